// A filer group binds one container group (by name) to one object of a tree
// (the group's own object) and one list of objects (its items). The filer
// (filer.h) drives it; the hooks here let derived groups take part in each
// step. Every hook of this base succeeds without doing anything.
#pragma once

#include <bitset>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "base/collection.h"
#include "base/object_list.h"
#include "base/stream.h"
#include "base/string_list.h"

namespace xs {

class TXFiler;

// LoadOptions and SaveOptions are sets over 1..5: option n is bit n.
using TXFilerOptions = std::bitset<6>;
enum : int {
  loObject = 1,      // load the group's own object from header 0
  loObjectData = 2,  // also load that object's indexed data
  loItemData = 4,    // also load each element's indexed data
};
enum : int {
  soObjectHeader = 1,     // write an object header (header 0 of the group)
  soObjectIndex = 2,      // give the object header a data index
  soObjectStoreData = 3,  // the group's own object's StoreData flag
  soItemIndex = 4,        // give every item header a data index
  soItemStoreData = 5,    // each element's StoreData flag
};
TXFilerOptions FilerOptions(std::initializer_list<int> options);

// The list a group fills and writes: none, a collection, or an object list
// (whose elements that are components are stored as components).
using TXFilerItems = std::variant<std::monostate, TCollection*, TObjectList*>;

class TXFilerGroup : public TObject {
 public:
  TXFilerGroup() = default;
  ~TXFilerGroup() override = default;
  TXFilerGroup(const TXFilerGroup&) = delete;
  TXFilerGroup& operator=(const TXFilerGroup&) = delete;

  TXFiler* Filer = nullptr;  // borrowed: the filer that owns the group
  std::string Name;          // the container group
  TPersistent* Object = nullptr;  // borrowed, may be absent
  TXFilerItems Items;             // borrowed lists, may be absent
  // When it has lines, only elements whose stored name is one of them
  // (without regard to case) are loaded.
  TStringList NameFilter;
  TXFilerOptions LoadOptions = FilerOptions({loObject, loObjectData, loItemData});
  TXFilerOptions SaveOptions = FilerOptions({soObjectHeader, soObjectStoreData, soItemStoreData});

  // The hooks. A hook answers true to let the step go on; false (or an
  // exception) makes the step fail, and the filer records the load or save
  // error for it.

  // Called with an object text after it was read, before it is parsed. May
  // rewrite the stream's content in place.
  virtual bool FilterLoadedText(TStream& text) { return true; }
  // Called with an object text after it was produced, before it is written.
  virtual bool FilterSavedText(TStream& text) { return true; }
  // Called before a load that starts from empty lists; the filer then
  // empties Items and clears Object.
  virtual void Clear() {}
  virtual bool BeforeLoadObject() { return true; }
  virtual bool AfterLoadObject() { return true; }
  // Called before the object header is written.
  virtual bool PrepareObjectIndex() { return true; }
  // Called after an element was read and added to Items; false removes it.
  virtual bool AfterLoadItem(TPersistent& element) { return true; }
  // Called before the element's header is written.
  virtual bool PrepareItemIndex(TPersistent& element) { return true; }
  virtual bool AfterLoadGroup() { return true; }
  virtual bool BeforeSaveGroup() { return true; }

  // Whether there is a list to fill and write.
  bool HasItems() const;
  // The elements of Items, in order; none without Items. An element of an
  // object list that is not a TPersistent is nullptr.
  int ItemCount() const;
  TPersistent* ItemAt(int i) const;
  // Empties Items.
  void ClearItems();
};

// The groups of a filer, in the order they are loaded and saved; owns them.
class TXFilerGroupList {
 public:
  int Count() const { return static_cast<int>(groups_.size()); }
  TXFilerGroup* operator[](int i) const { return groups_[static_cast<size_t>(i)].get(); }
  void Clear() { groups_.clear(); }

  // Creates a group of class G (whose constructor sets its defaults, its
  // Name among them), sets Filer, Items, Object and, when given, Name, and
  // appends it.
  template <class G>
  G& AddGroup(TXFiler& filer, TXFilerItems items, TPersistent* object,
              std::optional<std::string> name = std::nullopt) {
    auto group = std::make_unique<G>();
    group->Filer = &filer;
    group->Items = items;
    group->Object = object;
    if (name) group->Name = *name;
    G& added = *group;
    groups_.push_back(std::move(group));
    return added;
  }

 private:
  std::vector<std::unique_ptr<TXFilerGroup>> groups_;
};

}  // namespace xs
