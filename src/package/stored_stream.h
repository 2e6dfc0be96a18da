// Holders of stored stream objects: a component (a data block carried in a
// form's resources), a collection item and a collection of them.
#pragma once

#include <string>

#include "base/component.h"
#include "package/persistent_collection.h"
#include "package/stream_object.h"

namespace xs {

// Published: Data.
class TXStoredStream : public TComponent {
  XS_DECLARE_CLASS(TXStoredStream)
 public:
  using TComponent::TComponent;

  TXStreamObject Data;

  // From a TXStoredStream: assigns Data.
  void Assign(const TPersistent& source) override;
  // Passed on to Data.
  void SetStoreData(bool store) { Data.SetStoreData(store); }
};

// Published: name, LgID, XFilter, Data.
class TXStreamItem : public TXCollectionItem {
  XS_DECLARE_CLASS(TXStreamItem)
 public:
  TXStreamObject Data;

  void Clear() override { Data.Clear(); }
  // From a TXStreamItem: also assigns Data.
  bool AssignFrom(const TPersistent& source) override;
  // Also passed on to Data.
  void SetStoreData(bool store) override;
  bool IsEmpty() const { return Data.IsEmpty(); }
};

// The list object of a stream collection. Published: LgID, IndexFileName.
class TXStreamCollectionObject : public TXLgObject {
  XS_DECLARE_CLASS(TXStreamCollectionObject)
 public:
  std::string IndexFileName;
  bool AssignFrom(const TPersistent& source) override;
};

class TXStreamCollection : public TXCollection {
 public:
  // item_class inherits from TXStreamItem.
  explicit TXStreamCollection(const TClass& item_class = TXStreamItem::StaticClass());

  TXStreamItem* GetItem(int i) const { return Item<TXStreamItem>(i); }
  TXStreamCollectionObject& StreamListObj() const {
    return static_cast<TXStreamCollectionObject&>(ListObj());
  }
  // Appends an item named name whose Data is loaded from source
  // (LoadFromStream). On success returns its index. On failure the item is
  // deleted again and the result is -1.
  int AddStream(const std::string& data_class, TStream& source, const std::string& name);
};

}  // namespace xs
