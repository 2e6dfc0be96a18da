// Loading one filer group from a record container (see
// stream_filer_group.h for the header layouts).
#include <algorithm>
#include <memory>
#include <type_traits>

#include "base/component.h"
#include "base/convert.h"
#include "base/error.h"
#include "package/filer.h"
#include "package/object_component.h"
#include "package/package_item_source.h"
#include "package/stream_filer_group.h"

namespace xs {
namespace {

// Whether a stored id is id, deflated or not.
bool SameID(int32_t stored, int32_t id) { return stored == id || stored == -id; }

bool InList(const TStringList& list, const std::string& name) {
  for (const std::string& line : list.Items())
    if (SameText(line, name)) return true;
  return false;
}

}  // namespace

bool TXRStreamFilerGroup::LoadGroup(TXRStream& container, TXProgressItem* progress) {
  TXRGroupObject* group = container.CanRead() ? container.FindGroup(Name) : nullptr;
  if (!group) {
    PxFinish(progress);
    return false;
  }
  int headers = static_cast<int>(group->Headers.size());
  PxSetMax(progress, static_cast<uint32_t>(headers) + 1);
  bool ok = Attempt([&] {
    int first_item = SaveOptions[soObjectHeader] ? 1 : 0;
    if (LoadOptions[loObject]) {
      TXProgressItem* step = PxBeginStepChild(progress);
      if (!LoadObject(container, PxBeginChild(step, 50)) ||
          (LoadOptions[loObjectData] && !LoadObjectData(container, PxBeginChild(step, 50))))
        return false;
      first_item = 1;
    }
    if (HasItems())
      for (int h = first_item; h < headers; ++h)
        if (LoadItem(container, h, PxBeginStepChild(progress)) == TLoadResult::Failed) return false;
    return AfterLoadGroup();
  });
  PxFinish(progress);
  return XError().CheckFirstError(ok, errLoad);
}

bool TXRStreamFilerGroup::LoadObject(TXRStream& container, TXProgressItem* progress) {
  bool ok = !Object || Attempt([&] {
    if (!BeforeLoadObject()) return false;
    TMemoryStream text;
    if (!container.ReadItemByName(Name, 0, false, nullptr, text, 0)) return false;
    CurrentCount = container.LastReadCount();
    if (!FilterLoadedText(text)) return false;
    TXObjectComponent reader;
    reader.SetObj(Object);
    reader.PreSet = true;
    return reader.ReadAs(text, Object->ClassType(), false) && AfterLoadObject();
  });
  PxFinish(progress);
  return ok;
}

TXRStreamFilerGroup::TLoadResult TXRStreamFilerGroup::LoadItem(TXRStream& container, int header_index,
                                                              TXProgressItem* progress) {
  TLoadResult result = TLoadResult::Failed;
  TPersistent* element = nullptr;
  bool ok = Attempt([&] {
    std::string name;
    if (!container.ReadStringItem(Name, header_index, false, nullptr, name, 0)) return false;
    if (NameFilter.Count() > 0 && !InList(NameFilter, name)) {
      result = TLoadResult::Skipped;
      return true;
    }
    TMemoryStream text;
    if (!container.ReadItemByName(Name, header_index, false, nullptr, text, 1)) return false;
    CurrentCount = container.LastReadCount();
    if (!FilterLoadedText(text)) return false;
    element = ReadElement(text, container.FindHeader(Name, header_index)->Items[1].ID, header_index);
    if (!element) return false;
    // A TXObject's name is not part of its object text: the header keeps it.
    if (auto* object = dynamic_cast<TXObject*>(element); object && object->Name.empty()) object->Name = name;
    if (!AfterLoadItem(*element)) return false;
    if (LoadOptions[loItemData] && !LoadItemData(*element, container, nullptr, header_index)) return false;
    result = TLoadResult::Loaded;
    return true;
  });
  if (!ok && element) RemoveElement(*element);
  PxFinish(progress);
  return ok ? result : TLoadResult::Failed;
}

TPersistent* TXRStreamFilerGroup::ReadElement(TMemoryStream& text, int32_t text_id, int header_index) {
  if (auto* collection = std::get_if<TCollection*>(&Items)) {
    TXObjectComponent reader;
    if (!reader.ReadCollectionItem(**collection, text, false)) return nullptr;
    TCollectionItem* item = (*collection)->Items((*collection)->Count() - 1);
    if (auto* x = dynamic_cast<TXCollectionItem*>(item)) x->Idx = header_index;
    return item;
  }
  std::unique_ptr<TPersistent> object;
  if (SameID(text_id, idComponentText)) {
    object = ComponentFromText(std::string(text.Bytes().begin(), text.Bytes().end()));
  } else {
    object = ReadObjectFromStream(text, nullptr, false);
    if (!object) return nullptr;
  }
  if (auto* x = dynamic_cast<TXObject*>(object.get())) x->HeaderIndex = header_index;
  TPersistent* element = object.get();
  std::get<TObjectList*>(Items)->Add(object.release());
  return element;
}

void TXRStreamFilerGroup::RemoveElement(TPersistent& element) {
  if (std::holds_alternative<TCollection*>(Items)) {
    delete &element;  // leaves its collection
    return;
  }
  TObjectList& list = *std::get<TObjectList*>(Items);
  int i = list.IndexOf(&element);
  if (i >= 0) list.Extract(i);
  delete &element;
}

bool TXRStreamFilerGroup::LoadObjectData(TXRStream& container, TXProgressItem* progress) {
  return LoadIndexedData(container, 0, 1, nullptr, progress);
}

bool TXRStreamFilerGroup::LoadItemData(TPersistent& element, TXRStream& container, TXProgressItem* progress,
                                       int header_index) {
  return LoadIndexedData(container, header_index, 2, &element, progress);
}

bool TXRStreamFilerGroup::LoadIndexedData(TXRStream& container, int header_index, int index_item,
                                          TPersistent* element, TXProgressItem* progress) {
  bool ok = Attempt([&] {
    DataIndex.Clear();
    const TXRHeaderObject* header = container.FindHeader(Name, header_index);
    if (!header) return false;
    // A header written without an index (its slot empty) has no data; an
    // index that is there but cannot be read is damage.
    bool has_index = header->Loaded && index_item < header->Count && header->Items.size() == header->Count &&
                     SameID(header->Items[index_item].ID, idDataIndex);
    if (has_index) {
      TMemoryStream text;
      if (!container.ReadItemChecked(Name, idDataIndex, false, nullptr, text, index_item, header_index)) return false;
      TXObjectComponent reader;
      reader.SetObj(&DataIndex);
      reader.PreSet = true;
      if (!reader.ReadAs(text, TXDataIndex::StaticClass(), false)) return false;
      if (element)
        ItemIndexLoaded(*element);
      else
        ObjectIndexLoaded();
    }
    for (int i = 0; i < DataIndex.DataIndex.Count(); ++i) {
      TXDataIndexItem& entry = *DataIndex.DataIndex.GetItem(i);
      if (entry.Present && entry.Idx > 0 && !LoadEntryData(container, *header, header_index, entry)) return false;
    }
    return true;
  });
  PxFinish(progress);
  return ok;
}

bool TXRStreamFilerGroup::LoadEntryData(TXRStream& container, const TXRHeaderObject& header, int header_index,
                                        TXDataIndexItem& entry) {
  // At most what the entry allows and, for a stream object, what it declares.
  auto read_into = [&](TStream& destination, int64_t limit = kMaxBlockBytes) {
    destination.SetSize(0);
    return container.ReadItemByName(Name, header_index, false, nullptr, destination, entry.Idx,
                                    std::min(limit, entry.MaxBytes));
  };
  return std::visit(
      [&](auto data) -> bool {
        using T = decltype(data);
        if constexpr (std::is_same_v<T, TStream*>) {
          return read_into(*data);
        } else if constexpr (std::is_same_v<T, TXStreamBytes>) {
          if (BindSources && Filer && !Filer->SourceFileName().empty()) {
            std::optional<TXItemSpan> span = container.ItemSpan(header, entry.Idx);
            if (!span) return false;
            TXPackageItemLocation location{Filer->SourceFileName(), Filer->StartOffset, Name, header_index, entry.Idx};
            // Streamed to its destination, an item may be as large as its
            // stream object declares, beyond what memory could take.
            int64_t declared = data.Object->Size > 0 ? data.Object->Size : entry.MaxBytes;
            data.Object->SetSource(std::make_unique<TXPackageItemSource>(std::move(location), *span, declared));
            return true;
          }
          data.Object->SetSource(nullptr);
          return read_into(data.Object->DataStream(), data.Object->MaxStoredBytes());
        } else if constexpr (std::is_same_v<T, TXObject*>) {
          TMemoryStream text;
          return read_into(text) && AssignFromStream(*data, text, nullptr, false);
        } else if constexpr (std::is_same_v<T, TXStringItem*>) {
          data->S.clear();
          TMemoryStream text;
          if (!read_into(text)) return false;
          data->S = ReadAllText(text);
          return true;
        } else {
          return true;  // nothing the filer knows to read it into
        }
      },
      entry.Data);
}

}  // namespace xs
