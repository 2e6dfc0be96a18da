// Writing one filer group into a record container (see
// stream_filer_group.h for the header layouts).
#include <type_traits>

#include "base/component.h"
#include "base/error.h"
#include "package/filer.h"
#include "package/object_component.h"
#include "package/stream_filer_group.h"

namespace xs {
namespace {

bool WriteObjectItem(TXRStream& container, int32_t id, TPersistent& object) {
  TMemoryStream text;
  return WriteObjectToStream(object, text, true, false, nullptr) &&
         container.WriteStreamItem(id, text, false, nullptr);
}

// The bytes of a stream object as item idStream. Bytes left in a source go
// from it to the container without being held in memory (or as prepared
// ahead, when they were); the object keeps its source.
bool WriteStreamBytes(TXRStream& container, TXStreamObject& object, TXStoredItemProvider* stored_items) {
  if (object.InMemory()) return container.WriteStreamItem(idStream, object.DataStream(), false, nullptr);
  if (stored_items)
    if (std::optional<TXStoredItem> item = stored_items->Take(object))
      return container.WriteStoredItem(idStream, item->Bytes.data(), static_cast<int64_t>(item->Bytes.size()),
                                       item->Checksum, nullptr);
  std::unique_ptr<TStream> bytes = object.Source()->Open();
  return container.WriteItemFromSource(idStream, *bytes, nullptr);
}

// The name an element's header carries.
std::string ElementName(TPersistent& element) {
  if (auto* object = dynamic_cast<TXObject*>(&element)) return object->Name;
  if (auto* item = dynamic_cast<TXCollectionItem*>(&element)) return item->Name;
  return {};
}

}  // namespace

bool TXRStreamFilerGroup::SaveGroup(TXRStream& container, TXProgressItem* progress) {
  bool ok = Attempt([&] {
    if (!container.CanWrite() || !BeforeSaveGroup()) return false;
    int count = ItemCount();
    PxSetMax(progress, static_cast<uint32_t>(count) + 2);
    if (!container.AddGroupByName(Name, {}, false, PxBeginStepChild(progress))) return false;
    if (SaveOptions[soObjectHeader] && !SaveObject(container, PxBeginStepChild(progress))) return false;
    for (int i = 0; i < count; ++i) {
      TPersistent* element = ItemAt(i);
      if (!element || !SaveItem(container, *element, PxBeginStepChild(progress))) return false;
      if (OnElementSaved) OnElementSaved(*element);
    }
    return true;
  });
  PxFinish(progress);
  return XError().CheckFirstError(ok, errSave);
}

bool TXRStreamFilerGroup::SaveObject(TXRStream& container, TXProgressItem* progress) {
  if (!Object) {
    TMemoryStream empty;
    return container.WriteSingleItemHeader(Name, ObjectKind, false, progress, empty, 0);
  }
  DataIndex.Clear();
  if (!PrepareObjectIndex()) return false;
  if (auto* object = dynamic_cast<TXObject*>(Object)) object->SetStoreData(SaveOptions[soObjectStoreData]);
  TMemoryStream text;
  if (!WriteObjectToStream(*Object, text, true, false, nullptr) || !FilterSavedText(text)) return false;
  return container.BeginHeaderByName(Name, ObjectKind, false, PxBeginChild(progress, 30), CurrentCount) &&
         container.WriteStreamItem(idObjectText, text, false, PxBeginChild(progress, 30)) &&
         WriteIndexItem(container) && SaveObjectData(container, PxBeginChild(progress, 30)) &&
         container.EndHeaderChecked(PxBeginChild(progress, 10), false);
}

bool TXRStreamFilerGroup::SaveItem(TXRStream& container, TPersistent& element, TXProgressItem* progress) {
  DataIndex.Clear();
  bool store = SaveOptions[soItemStoreData];
  if (auto* item = dynamic_cast<TXCollectionItem*>(&element)) item->SetStoreData(store);
  if (auto* object = dynamic_cast<TXObject*>(&element)) object->SetStoreData(store);
  if (!PrepareItemIndex(element)) return false;

  TMemoryStream text;
  int32_t text_id = idObjectText;
  if (auto* component = dynamic_cast<TComponent*>(&element)) {
    std::string own_text = ObjectToText(*component);
    text.WriteBuffer(own_text.data(), static_cast<int64_t>(own_text.size()));
    text_id = idComponentText;
  } else {
    if (!WriteObjectToStream(element, text, true, false, nullptr)) return false;
    if (dynamic_cast<TCollectionItem*>(&element)) text_id = idItemText;
  }
  if (!FilterSavedText(text)) return false;

  bool ok = container.BeginHeaderByName(Name, ItemKind, false, PxBeginChild(progress, 20), CurrentCount) &&
            container.WriteStringItem(idString, ElementName(element), false, PxBeginChild(progress, 20)) &&
            container.WriteStreamItem(text_id, text, false, PxBeginChild(progress, 20)) &&
            WriteIndexItem(container) && SaveItemData(element, container, PxBeginChild(progress, 20)) &&
            container.EndHeaderChecked(PxBeginChild(progress, 20), false);
  if (!ok) return false;
  // The header just written, so that the element's data can be found again.
  int header_index = static_cast<int>(container.FindGroup(Name)->Headers.size()) - 1;
  if (auto* item = dynamic_cast<TXCollectionItem*>(&element)) item->Idx = header_index;
  if (auto* object = dynamic_cast<TXObject*>(&element)) object->HeaderIndex = header_index;
  return true;
}

bool TXRStreamFilerGroup::WriteIndexItem(TXRStream& container) {
  return !DataIndex.WriteIndex || WriteObjectItem(container, idDataIndex, DataIndex);
}

bool TXRStreamFilerGroup::SaveObjectData(TXRStream& container, TXProgressItem* progress) {
  return SaveIndexedData(container, nullptr, progress);
}

bool TXRStreamFilerGroup::SaveItemData(TPersistent& element, TXRStream& container, TXProgressItem* progress) {
  return SaveIndexedData(container, &element, progress);
}

bool TXRStreamFilerGroup::SaveIndexedData(TXRStream& container, TPersistent* element, TXProgressItem* progress) {
  bool ok = true;
  for (int i = 0; ok && i < DataIndex.DataIndex.Count(); ++i) {
    TXDataIndexItem& entry = *DataIndex.DataIndex.GetItem(i);
    ok = Attempt([&] {
      return std::visit(
          [&](auto data) -> bool {
            using T = decltype(data);
            if constexpr (std::is_same_v<T, TStream*>) {
              return container.WriteStreamItem(idStream, *data, false, nullptr);
            } else if constexpr (std::is_same_v<T, TXStreamBytes>) {
              auto* filer = dynamic_cast<TXRStreamFiler*>(Filer);
              return WriteStreamBytes(container, *data.Object, filer ? filer->StoredItems : nullptr);
            } else if constexpr (std::is_same_v<T, TXObject*>) {
              return WriteObjectItem(container, idObjectText, *data);
            } else if constexpr (std::is_same_v<T, TXStringItem*>) {
              return container.WriteStringItem(idString, data->S, false, nullptr);
            } else {
              bool wrote = element ? SaveItemCustomData(container, *element, entry)
                                   : SaveObjectCustomData(container, entry);
              // An empty item in its place keeps the later entries at their Idx.
              return wrote || container.WriteStringItem(0, {}, false, nullptr);
            }
          },
          entry.Data);
    });
  }
  PxFinish(progress);
  return ok;
}

}  // namespace xs
