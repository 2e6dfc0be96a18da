// The data index of a container header: the names of the header's data
// items (a file's contents, an image), so that they can be found by name.
// Stored as object text beside the object it belongs to (item id -6):
//
//   object TXObjectComponent
//     ObjClassName = 'TXDataIndex'
//     Obj.DataIndex = <
//       item
//         name = 'Data'
//         Idx = 3
//       end>
//   end
#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "base/stream.h"
#include "package/block_io.h"
#include "package/persistent_collection.h"
#include "package/stream_object.h"

namespace xs {

// The bytes of a stream object as a data item of their own. A filer that
// loads from a file may leave them in the package (a byte source read on
// demand) instead of reading them into memory.
struct TXStreamBytes {
  TXStreamObject* Object = nullptr;
};

// What a data index entry stands for (borrowed): a stream (stored as item
// -2), a stream object's bytes (-2), an object (its object text, -3), a
// string item (its text, -1), or nothing known to the filer (written and read
// by the groups' custom-data hooks).
using TXIndexData = std::variant<std::monostate, TStream*, TXStreamBytes, TXObject*, TXStringItem*>;

// Published: name, LgID, Idx, XFilter.
class TXDataIndexItem : public TXCollectionItem {
  XS_DECLARE_CLASS(TXDataIndexItem)
 public:
  // Idx (inherited) is the index of the data item inside its header.

  // Set while loading by the hook that wants the entry's data read.
  bool Present = false;
  TXIndexData Data;
  // The most bytes the entry's data may give; a hook that knows the data
  // sets it lower (a stream object's own declared size applies as well).
  int64_t MaxBytes = kMaxBlockBytes;

  // From a TXDataIndexItem: also Present, Data and MaxBytes.
  bool AssignFrom(const TPersistent& source) override;
};

class TXDataIndexCollection : public TXCollection {
 public:
  TXDataIndexCollection() : TXCollection(TXDataIndexItem::StaticClass()) {}
  TXDataIndexItem* GetItem(int i) const { return Item<TXDataIndexItem>(i); }

  // The Idx of the first entry.
  int32_t BaseIndex = 0;
};

// Published: LgID, DataIndex.
class TXDataIndex : public TXObject {
  XS_DECLARE_CLASS(TXDataIndex)
 public:
  TXDataIndexCollection DataIndex;
  // Whether the index is written with its header.
  bool WriteIndex = false;

  // Also the language id of the entries' list object.
  void SetLgID(int32_t lg_id) override;
  // No entries; LgID, BaseIndex and WriteIndex back to 0 and false.
  void Clear() override;
  // From a TXDataIndex: the entries, BaseIndex and WriteIndex.
  bool AssignFrom(const TPersistent& source) override;

  // Appends an entry whose Idx is its position plus BaseIndex and returns it.
  TXDataIndexItem& AddEntry(const std::string& name, const std::string& filter, int32_t lg_id);
  // The first entry named name (without regard to case), or nullptr.
  TXDataIndexItem* FindEntry(const std::string& name) const;
  // The Idx of FindEntry (name), or 0 when there is none.
  int32_t IndexOfName(const std::string& name) const;
};

// Makes TXDataIndex findable by name for object text readers.
void RegisterDataIndexClasses();

}  // namespace xs
