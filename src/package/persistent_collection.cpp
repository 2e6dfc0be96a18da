#include "package/persistent_collection.h"

#include "base/convert.h"

namespace xs {

XS_DEFINE_CLASS(TXPersistentItem, TCollectionItem,
    Prop("name", &TXPersistentItem::Name))

void TXPersistentItem::Assign(const TPersistent& source) {
  if (auto* other = dynamic_cast<const TXPersistentItem*>(&source)) Name = other->Name;
  AssignThrough(*this, source, [&] { return AssignFrom(source); });
}

XS_DEFINE_CLASS(TXCollectionItem, TXPersistentItem,
    Prop("LgID", &TXCollectionItem::LgID).Default(0))

bool TXCollectionItem::AssignFrom(const TPersistent& source) {
  if (!TXPersistentItem::AssignFrom(source)) return false;
  if (auto* other = dynamic_cast<const TXCollectionItem*>(&source)) {
    LgID = other->LgID;
    XFilter = other->XFilter;
    SetStoreData(other->store_data_);
    Idx = other->Idx;
  }
  return true;
}

int TXPersistentCollection::IndexOfName(const std::string& name) const {
  for (int i = 0; i < Count(); ++i) {
    auto* item = dynamic_cast<TXPersistentItem*>(Items(i));
    if (item && SameText(item->Name, name)) return i;
  }
  return -1;
}

TXCollection::TXCollection(const TClass& item_class, std::unique_ptr<TXLgObject> list_obj)
    : TXPersistentCollection(item_class), list_obj_(std::move(list_obj)) {}

void TXCollection::Assign(const TPersistent& source) {
  TXPersistentCollection::Assign(source);
  if (auto* other = dynamic_cast<const TXCollection*>(&source); other && other != this)
    list_obj_->Assign(*other->list_obj_);
}

XS_DEFINE_CLASS(TXStringItem, TXCollectionItem,
    Prop("s", &TXStringItem::S))

bool TXStringItem::AssignFrom(const TPersistent& source) {
  if (!TXCollectionItem::AssignFrom(source)) return false;
  if (auto* other = dynamic_cast<const TXStringItem*>(&source)) S = other->S;
  return true;
}

}  // namespace xs
