#include "package/stream_filer_group.h"

#include "package/stored_stream.h"

namespace xs {

TXRStreamFilerGroup::TXRStreamFilerGroup() {
  SaveOptions = FilerOptions({soObjectHeader, soObjectIndex, soItemIndex});
}

void TXRStreamFilerGroup::PrepareIndex(bool write, int base_count, const std::function<void()>& add_entries) {
  CurrentCount = base_count;
  DataIndex.Clear();
  DataIndex.WriteIndex = write;
  DataIndex.DataIndex.BaseIndex = base_count;
  if (write) add_entries();
  CurrentCount = DataIndex.DataIndex.Count() + base_count;
}

bool TXRStreamFilerGroup::PrepareObjectIndex() {
  PrepareIndex(SaveOptions[soObjectIndex], ObjectBaseCount, [this] { AddObjectIndexEntries(); });
  return true;
}

bool TXRStreamFilerGroup::PrepareItemIndex(TPersistent& element) {
  PrepareIndex(SaveOptions[soItemIndex], ItemBaseCount, [&] { AddItemIndexEntries(element); });
  return true;
}

TXRStreamItemsFilerGroup::TXRStreamItemsFilerGroup() {
  Name = "Streams";
  ItemKind = 2;
}

void TXRStreamItemsFilerGroup::AddItemIndexEntries(TPersistent& element) {
  if (auto* item = dynamic_cast<TXStreamItem*>(&element))
    DataIndex.AddEntry("Data", {}, 0).Data = TXStreamBytes{&item->Data};
}

void TXRStreamItemsFilerGroup::ItemIndexLoaded(TPersistent& element) {
  auto* item = dynamic_cast<TXStreamItem*>(&element);
  TXDataIndexItem* entry = DataIndex.FindEntry("Data");
  if (!item || !entry) return;
  entry->Present = true;
  entry->Data = TXStreamBytes{&item->Data};
}

}  // namespace xs
