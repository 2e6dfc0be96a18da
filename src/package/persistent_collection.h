// The persistent collection classes of the stored object model.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "base/collection.h"
#include "package/persistent_base.h"

namespace xs {

// Published: name.
class TXPersistentItem : public TCollectionItem {
  XS_DECLARE_CLASS(TXPersistentItem)
 public:
  std::string Name;

  // Copies the name of a TXPersistentItem source, then AssignThrough
  // AssignFrom.
  void Assign(const TPersistent& source) override;
  // As TXPersistent::AssignFrom.
  virtual bool AssignFrom(const TPersistent& source) { return true; }
};

// Published: name, LgID (default 0). XFilter, StoreData and Idx are kept for
// the filers and published by the classes that store them.
class TXCollectionItem : public TXPersistentItem {
  XS_DECLARE_CLASS(TXCollectionItem)
 public:
  int32_t LgID = 0;
  std::string XFilter;
  // The header the filers wrote the item to or read it from; -1 for none.
  int32_t Idx = -1;

  bool StoreData() const { return store_data_; }
  virtual void SetStoreData(bool store) { store_data_ = store; }
  // Back to the state after construction, as far as the class defines it;
  // the base does nothing.
  virtual void Clear() {}

  // From a TXCollectionItem: LgID, XFilter, StoreData and Idx.
  bool AssignFrom(const TPersistent& source) override;

 private:
  bool store_data_ = true;
};

class TXPersistentCollection : public TCollection {
 public:
  using TCollection::TCollection;
  // Index of the first TXPersistentItem whose name equals name without
  // regard to case; -1 when there is none.
  int IndexOfName(const std::string& name) const;
};

// A collection with a list object that carries the collection's language id
// (a TXLgObject or a subclass).
class TXCollection : public TXPersistentCollection {
 public:
  explicit TXCollection(const TClass& item_class,
                        std::unique_ptr<TXLgObject> list_obj = std::make_unique<TXLgObject>());
  TXLgObject& ListObj() const { return *list_obj_; }
  // As TCollection::Assign; from a TXCollection also assigns the list object.
  void Assign(const TPersistent& source) override;

 private:
  std::unique_ptr<TXLgObject> list_obj_;
};

// Published: name, LgID, s.
class TXStringItem : public TXCollectionItem {
  XS_DECLARE_CLASS(TXStringItem)
 public:
  std::string S;
  bool AssignFrom(const TPersistent& source) override;
};

class TXStringCollection : public TXCollection {
 public:
  TXStringCollection() : TXCollection(TXStringItem::StaticClass()) {}
  TXStringItem* GetItem(int i) const { return Item<TXStringItem>(i); }
};

}  // namespace xs
