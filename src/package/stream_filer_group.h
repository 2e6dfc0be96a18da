// The filer groups of record containers: the header layouts they write, and
// the data index that names each header's data items.
//
//   object header (header 0 of the group, when SaveOptions has 1), Kind
//   ObjectKind (3), Count ObjectBaseCount (2) + data index entries:
//     item 0   -3  object text of the group's own object
//     item 1   -6  object text of the data index (when SaveOptions has 2,
//                  also when empty); otherwise left empty
//     item 2…      the data items the index names, in its order
//   A group without its own object writes a header of one empty item, id 0.
//
//   item header (one per element of Items, in order), Kind ItemKind (4),
//   Count ItemBaseCount (3) + data index entries:
//     item 0   -1  the element's name (a TXObject's or TXCollectionItem's;
//                  otherwise empty)
//     item 1       object text of the element: -4 a collection item, -5 a
//                  component (its own text), -3 any other object
//     item 2   -6  data index (when SaveOptions has 4); otherwise empty
//     item 3…      the data items the index names
//
// Data items: -2 the bytes of a stream or stream object, -3 the object text
// of a TXObject, -1 the text of a TXStringItem; others are written by the
// custom-data hooks. Entry i of an index always lands at Idx = base count + i.
#pragma once

#include <cstdint>
#include <exception>
#include <functional>

#include "base/progress.h"
#include "package/data_index.h"
#include "package/filer_group.h"
#include "package/record_stream.h"

namespace xs {

// The container item ids the stream filer groups write.
enum : int32_t {
  idString = -1,         // a name or a TXStringItem's text
  idStream = -2,         // the bytes of a stream or stream object
  idObjectText = -3,     // object text of an object
  idItemText = -4,       // object text of a collection item
  idComponentText = -5,  // a component's own text
  idDataIndex = -6,      // object text of a data index
};

class TXRStreamFilerGroup : public TXFilerGroup {
 public:
  TXRStreamFilerGroup();

  int32_t ObjectKind = 3;
  int32_t ItemKind = 4;
  int ObjectBaseCount = 2;
  int ItemBaseCount = 3;
  // The item count of the header being written or last read.
  int CurrentCount = 0;
  TXDataIndex DataIndex;
  // When the filer loads from a file: the bytes of stream objects named by
  // the index (TXStreamBytes) stay in the package and are read on demand,
  // instead of being read into memory.
  bool BindSources = false;
  // Called by SaveGroup after each element's header is written whole, so a
  // builder can report its progress item by item.
  std::function<void(TPersistent&)> OnElementSaved;

  // CurrentCount := ObjectBaseCount; a fresh DataIndex, written when
  // SaveOptions has 2, with its entries (AddObjectIndexEntries) from Idx
  // CurrentCount on; CurrentCount := ObjectBaseCount + their number.
  bool PrepareObjectIndex() override;
  // The same for an element, with ItemBaseCount, SaveOptions 4 and
  // AddItemIndexEntries.
  bool PrepareItemIndex(TPersistent& element) override;

  // Called after the object's data index was read: marks the entries whose
  // data is to be read Present and binds their Data. The base reads none.
  virtual void ObjectIndexLoaded() {}
  // Called while the object's data index is prepared: adds its entries.
  virtual void AddObjectIndexEntries() {}
  // Writes the data item of an object index entry that the filer does not
  // know how to write. Returns whether it wrote one item; when it did not,
  // the filer writes an empty item in its place. The base writes none.
  virtual bool SaveObjectCustomData(TXRStream& container, TXDataIndexItem& entry) { return false; }
  // As the three above, for an element's data index.
  virtual void ItemIndexLoaded(TPersistent& element) {}
  virtual void AddItemIndexEntries(TPersistent& element) {}
  virtual bool SaveItemCustomData(TXRStream& container, TPersistent& element, TXDataIndexItem& entry) {
    return false;
  }

  // Reads the object's data index (item 1 of header 0), calls
  // ObjectIndexLoaded, then reads the data of every entry marked Present
  // whose Idx is above 0 into the entry's Data. A header without an index
  // has no data. On success true. On failure (a damaged index or data item)
  // false with the cause on the error object.
  virtual bool LoadObjectData(TXRStream& container, TXProgressItem* progress);
  // Writes the data items of DataIndex, in its order (a stream object
  // whose bytes are in a byte source has them read into memory first). On
  // failure false.
  virtual bool SaveObjectData(TXRStream& container, TXProgressItem* progress);
  // As LoadObjectData, for element's index (item 2 of header header_index).
  virtual bool LoadItemData(TPersistent& element, TXRStream& container, TXProgressItem* progress,
                            int header_index);
  // As SaveObjectData, for element.
  virtual bool SaveItemData(TPersistent& element, TXRStream& container, TXProgressItem* progress);

  // Loads the group from container: its own object from header 0 (with
  // LoadOptions 1, and its data with 2), then one element per further
  // header (with its data when LoadOptions has 4). Gives false at once, with
  // nothing loaded, when the container has no group of this Name. A failing
  // step ends the load with false and errLoad (or a more precise cause)
  // recorded; a failed element is not left in Items.
  bool LoadGroup(TXRStream& container, TXProgressItem* progress);
  // Writes the group into container: the group record (when the container
  // has none of this Name), the object header (with SaveOptions 1) and one
  // item header per element. A failing step ends the save with false and
  // errSave (or a more precise cause) recorded.
  bool SaveGroup(TXRStream& container, TXProgressItem* progress);

 private:
  enum class TLoadResult { Loaded, Skipped, Failed };
  // f's answer; an exception (from a hook, say) is a false one.
  template <class F>
  static bool Attempt(F f) {
    try {
      return f();
    } catch (const std::exception&) {
      return false;
    }
  }
  void PrepareIndex(bool write, int base_count, const std::function<void()>& add_entries);
  bool LoadObject(TXRStream& container, TXProgressItem* progress);
  TLoadResult LoadItem(TXRStream& container, int header_index, TXProgressItem* progress);
  TPersistent* ReadElement(TMemoryStream& text, int32_t text_id, int header_index);
  void RemoveElement(TPersistent& element);
  bool LoadIndexedData(TXRStream& container, int header_index, int index_item, TPersistent* element,
                       TXProgressItem* progress);
  bool LoadEntryData(TXRStream& container, const TXRHeaderObject& header, int header_index,
                     TXDataIndexItem& entry);

  bool SaveObject(TXRStream& container, TXProgressItem* progress);
  bool SaveItem(TXRStream& container, TPersistent& element, TXProgressItem* progress);
  bool WriteIndexItem(TXRStream& container);
  bool SaveIndexedData(TXRStream& container, TPersistent* element, TXProgressItem* progress);
};

// The group of a TXStreamCollection: Name "Streams", ItemKind 2. Each stream
// item's bytes are its data entry "Data".
class TXRStreamItemsFilerGroup : public TXRStreamFilerGroup {
 public:
  TXRStreamItemsFilerGroup();

  // Adds the entry "Data" for the stream item's bytes.
  void AddItemIndexEntries(TPersistent& element) override;
  // Marks the entry "Data" Present and binds it to the stream item's bytes,
  // so that they are read (or bound to the package) next.
  void ItemIndexLoaded(TPersistent& element) override;
};

}  // namespace xs
