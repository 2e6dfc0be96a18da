#include "package/data_index.h"

#include "base/convert.h"
#include "package/class_registry.h"

namespace xs {

XS_DEFINE_CLASS(TXDataIndexItem, TXCollectionItem,
    Prop("Idx", &TXDataIndexItem::Idx),
    Prop("XFilter", &TXDataIndexItem::XFilter))

bool TXDataIndexItem::AssignFrom(const TPersistent& source) {
  if (!TXCollectionItem::AssignFrom(source)) return false;
  if (auto* other = dynamic_cast<const TXDataIndexItem*>(&source)) {
    Present = other->Present;
    Data = other->Data;
    MaxBytes = other->MaxBytes;
  }
  return true;
}

XS_DEFINE_CLASS(TXDataIndex, TXObject,
    Prop("DataIndex", &TXDataIndex::DataIndex))

void TXDataIndex::SetLgID(int32_t lg_id) {
  TXObject::SetLgID(lg_id);
  DataIndex.ListObj().SetLgID(lg_id);
}

void TXDataIndex::Clear() {
  DataIndex.Clear();
  DataIndex.BaseIndex = 0;
  WriteIndex = false;
  SetLgID(0);
}

bool TXDataIndex::AssignFrom(const TPersistent& source) {
  if (!TXObject::AssignFrom(source)) return false;
  if (auto* other = dynamic_cast<const TXDataIndex*>(&source); other && other != this) {
    DataIndex.Assign(other->DataIndex);
    DataIndex.BaseIndex = other->DataIndex.BaseIndex;
    WriteIndex = other->WriteIndex;
  }
  return true;
}

TXDataIndexItem& TXDataIndex::AddEntry(const std::string& name, const std::string& filter, int32_t lg_id) {
  auto* entry = static_cast<TXDataIndexItem*>(DataIndex.Add());
  entry->Name = name;
  entry->XFilter = filter;
  entry->LgID = lg_id;
  entry->Idx = DataIndex.Count() - 1 + DataIndex.BaseIndex;
  return *entry;
}

TXDataIndexItem* TXDataIndex::FindEntry(const std::string& name) const {
  int i = DataIndex.IndexOfName(name);
  return i < 0 ? nullptr : DataIndex.GetItem(i);
}

int32_t TXDataIndex::IndexOfName(const std::string& name) const {
  TXDataIndexItem* entry = FindEntry(name);
  return entry ? entry->Idx : 0;
}

void RegisterDataIndexClasses() { RegisterObjectClasses({&TXDataIndex::StaticClass()}); }

}  // namespace xs
