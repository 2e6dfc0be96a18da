#include "package/stored_stream.h"

namespace xs {

XS_DEFINE_CLASS(TXStoredStream, TComponent,
    Prop("Data", &TXStoredStream::Data))

void TXStoredStream::Assign(const TPersistent& source) {
  if (auto* other = dynamic_cast<const TXStoredStream*>(&source))
    Data.Assign(other->Data);
  else
    TComponent::Assign(source);
}

XS_DEFINE_CLASS(TXStreamItem, TXCollectionItem,
    Prop("XFilter", &TXStreamItem::XFilter),
    Prop("Data", &TXStreamItem::Data))

bool TXStreamItem::AssignFrom(const TPersistent& source) {
  if (!TXCollectionItem::AssignFrom(source)) return false;
  if (auto* other = dynamic_cast<const TXStreamItem*>(&source); other && other != this)
    Data.Assign(other->Data);
  return true;
}

void TXStreamItem::SetStoreData(bool store) {
  TXCollectionItem::SetStoreData(store);
  Data.SetStoreData(store);
}

XS_DEFINE_CLASS(TXStreamCollectionObject, TXLgObject,
    Prop("IndexFileName", &TXStreamCollectionObject::IndexFileName))

bool TXStreamCollectionObject::AssignFrom(const TPersistent& source) {
  if (!TXLgObject::AssignFrom(source)) return false;
  if (auto* other = dynamic_cast<const TXStreamCollectionObject*>(&source))
    IndexFileName = other->IndexFileName;
  return true;
}

TXStreamCollection::TXStreamCollection(const TClass& item_class)
    : TXCollection(item_class, std::make_unique<TXStreamCollectionObject>()) {}

int TXStreamCollection::AddStream(const std::string& data_class, TStream& source,
                                  const std::string& name) {
  auto* item = static_cast<TXStreamItem*>(Add());
  item->Name = name;
  if (!item->Data.LoadFromStream(data_class, source)) {
    delete item;
    return -1;
  }
  return item->Index();
}

}  // namespace xs
