// Collections: owned, ordered items of one class. As a property a collection
// is stored as its items ("<" item ... end ">").
#pragma once

#include <vector>

#include "base/published.h"

namespace xs {

class TCollection;

class TCollectionItem : public TPersistent {
  XS_DECLARE_CLASS(TCollectionItem)
 public:
  // An item without a collection, as the virtual constructor makes it.
  TCollectionItem() = default;
  // Leaves its collection.
  ~TCollectionItem() override;
  TCollectionItem(const TCollectionItem&) = delete;
  TCollectionItem& operator=(const TCollectionItem&) = delete;

  TCollection* Collection() const { return collection_; }
  // Position in its collection; -1 without one.
  int Index() const;

 private:
  friend class TCollection;
  TCollection* collection_ = nullptr;
};

class TCollection : public TPersistent {
  XS_DECLARE_CLASS(TCollection)
 public:
  // item_class: the class of the items Add creates; it inherits from
  // TCollectionItem.
  explicit TCollection(const TClass& item_class);
  ~TCollection() override;
  TCollection(const TCollection&) = delete;
  TCollection& operator=(const TCollection&) = delete;

  const TClass& ItemClass() const { return *item_class_; }
  int Count() const { return static_cast<int>(items_.size()); }
  TCollectionItem* Items(int i) const { return items_[static_cast<size_t>(i)]; }
  template <class T>
  T* Item(int i) const {
    return static_cast<T*>(Items(i));
  }

  // Appends a new item of ItemClass through its virtual constructor and
  // returns it.
  TCollectionItem* Add();
  // Appends item, which leaves its former collection; the collection owns it.
  void AddItem(TCollectionItem* item);
  // Frees the item at i.
  void Delete(int i);
  // Frees every item, last first.
  void Clear();

  // From another collection: Clear, then one new item per source item,
  // assigned from it. Other sources: see TPersistent.
  void Assign(const TPersistent& source) override;

 private:
  friend class TCollectionItem;
  void Remove(TCollectionItem* item);

  const TClass* item_class_;
  std::vector<TCollectionItem*> items_;
};

}  // namespace xs
