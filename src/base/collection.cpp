#include "base/collection.h"

#include <algorithm>

namespace xs {

XS_DEFINE_CLASS(TCollectionItem, TPersistent)

TCollectionItem::~TCollectionItem() {
  if (collection_) collection_->Remove(this);
}

int TCollectionItem::Index() const {
  if (!collection_) return -1;
  const auto& items = collection_->items_;
  return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

XS_DEFINE_CLASS(TCollection, TPersistent)

TCollection::TCollection(const TClass& item_class) : item_class_(&item_class) {}

TCollection::~TCollection() { Clear(); }

TCollectionItem* TCollection::Add() {
  std::unique_ptr<TPersistent> object = item_class_->Create();
  auto* item = dynamic_cast<TCollectionItem*>(object.get());
  if (!item) throw EConvertError("Cannot create an item of class " + item_class_->Name());
  object.release();
  AddItem(item);
  return item;
}

void TCollection::AddItem(TCollectionItem* item) {
  if (item->collection_) item->collection_->Remove(item);
  items_.push_back(item);
  item->collection_ = this;
}

void TCollection::Delete(int i) { delete items_.at(static_cast<size_t>(i)); }

void TCollection::Clear() {
  while (!items_.empty()) delete items_.back();  // each removes itself
}

void TCollection::Assign(const TPersistent& source) {
  auto* other = dynamic_cast<const TCollection*>(&source);
  if (!other) return TPersistent::Assign(source);
  if (other == this) return;
  Clear();
  for (TCollectionItem* item : other->items_) Add()->Assign(*item);
}

void TCollection::Remove(TCollectionItem* item) {
  items_.erase(std::find(items_.begin(), items_.end(), item));
  item->collection_ = nullptr;
}

}  // namespace xs
