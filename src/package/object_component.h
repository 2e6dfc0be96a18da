// TXObjectComponent: the root of every stored object text. Its published
// ObjClassName names the stored object's class and its published Obj holds
// the object, so the object's properties appear as "Obj." lines:
//
//   object TXObjectComponent
//     ObjClassName = 'TXDataIndex'
//     Obj.DataIndex = <
//       item
//         name = 'Data'
//         Idx = 3
//       end>
//   end
//
// Reading failures record errLoad (14), writing failures errSave (15) on the
// process-wide error object; with raise set they are also thrown as EXError.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "base/collection.h"
#include "base/component.h"
#include "base/progress.h"
#include "base/stream.h"

namespace xs {

// The text form used for texts that do not begin with "o" (reading) and when
// a caller asks for another form than object text (writing). Both start out
// as the object text reader and writer.
struct TXObjectTextHooks {
  // Fills root from text; raises on failure.
  std::function<void(const std::string& text, TPersistent& root)> Read;
  // The text of root; raises on failure.
  std::function<std::string(TPersistent& root)> Write;
};
TXObjectTextHooks& ObjectTextHooks();

// The class name a text names: for object text the value of the first line
// holding "ObjClassName =" (trimmed, apostrophes removed, doubled ones
// undoubled); for other texts what stands between the first
// <p name="ObjClassName"> and the next </p>. Empty when there is none.
std::string ObjClassNameOfText(const std::string& text);

class TXObjectComponent : public TComponent {
  XS_DECLARE_CLASS(TXObjectComponent)
 public:
  explicit TXObjectComponent(TComponent* owner = nullptr);
  // Frees the object it created itself, unless taken (TakeObj).
  ~TXObjectComponent() override;

  TPersistent* Obj() const { return obj_; }
  // Stores object (borrowed), ObjClassName := its class name and the class
  // reference := its class; nullptr clears all three.
  void SetObj(TPersistent* object);
  // Hands the object it created to the caller (nullptr when it holds none
  // of its own).
  std::unique_ptr<TPersistent> TakeObj();

  const std::string& ObjClassName() const { return obj_class_name_; }
  // While not reading and when name differs: forgets Obj, stores name and
  // resolves it in the class registry (an empty or unknown name: no class).
  void SetObjClassName(const std::string& name);
  const TClass* ObjClass() const { return obj_class_; }
  // While not reading and when cls differs: forgets Obj, keeps cls and
  // ObjClassName := its name (empty for none).
  void SetObjClass(const TClass* cls);

  // Set while a text is applied.
  bool Reading() const { return reading_; }
  // The object to fill was supplied by the caller: nothing is created.
  bool PreSet = false;

  // With PreSet: does nothing and succeeds. Otherwise creates Obj through
  // cls's virtual constructor. On failure (no class, an abstract class, a
  // constructor that raises) Obj is cleared and the result is false.
  bool CreateObj(const TClass* cls);

  // Empties dest and writes the text of Obj into it: object text when
  // as_text, else the hooked form. On success clears the error object. On
  // failure records errSave.
  bool WriteToStream(TStream& dest, bool as_text, bool raise);
  // Unless PreSet, finds the class the text names and creates Obj; then
  // applies the text (an empty text leaves Obj as created). On success
  // clears the error object. On failure records errLoad; an object created
  // here is freed again (a supplied one may be partly filled).
  bool ReadFromText(const std::string& text, bool raise);
  // ReadFromText on the whole of source, read from position 0.
  bool ReadFromStream(TStream& source, bool raise);
  // Like ReadFromStream, with the class given by the caller in place of the
  // text's ObjClassName.
  bool ReadAs(TStream& source, const TClass& cls, bool raise);
  // Adds an item to collection, reads it in place (ReadAs with the item
  // class). On failure the item is deleted again.
  bool ReadCollectionItem(TCollection& collection, TStream& source, bool raise);

 private:
  bool ReadText(const std::string& text, const TClass* cls, bool raise);
  void ForgetObj();

  TPersistent* obj_ = nullptr;
  std::unique_ptr<TPersistent> owned_;  // obj_ when created here
  std::string obj_class_name_;
  const TClass* obj_class_ = nullptr;
  bool reading_ = false;
};

// A temporary TXObjectComponent reads source. On success returns the object,
// which belongs to the caller. On failure returns nullptr and records errLoad.
std::unique_ptr<TPersistent> ReadObjectFromStream(TStream& source, TXProgressItem* progress,
                                                  bool raise);
// Reads an object from source and assigns it to target. On failure (no
// object, or one that cannot be assigned) records errLoad.
bool AssignFromStream(TPersistent& target, TStream& source, TXProgressItem* progress, bool raise);
// A temporary TXObjectComponent with Obj = object writes the text into dest.
// On failure records errSave.
bool WriteObjectToStream(TPersistent& object, TStream& dest, bool as_text, bool raise,
                         TXProgressItem* progress);
// The object text of a component itself, named by its Name. Raises on failure.
std::string ObjectToText(TComponent& component);
// The component such a text describes: of the registered class its class
// line names, with its name and properties. Raises on failure (a text that
// does not parse, a class that is not a registered component class).
std::unique_ptr<TComponent> ComponentFromText(const std::string& text);

}  // namespace xs
