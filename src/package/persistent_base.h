// The persistent base classes of the stored object model: copying through
// AssignFrom, Clear, the language id, the store-data flag and the header
// index the filers keep.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "base/published.h"

namespace xs {

// Assigning in the stored object model: assign_from copies what the target's
// class knows of source; when it does not handle source (or raises an
// Exception), source is asked to copy itself (TPersistent::Assign).
void AssignThrough(TPersistent& target, const TPersistent& source,
                   const std::function<bool()>& assign_from);

class TXPersistent : public TPersistent {
  XS_DECLARE_CLASS(TXPersistent)
 public:
  // AssignThrough AssignFrom.
  void Assign(const TPersistent& source) override;
  // Copies what this class knows of source and returns whether source was
  // handled. The base copies nothing and handles every source; a class
  // calls its base first and then copies its own fields when source is of
  // its class.
  virtual bool AssignFrom(const TPersistent& source) { return true; }
  // Back to the state after construction, as far as the class defines it;
  // the base does nothing.
  virtual void Clear() {}
};

// Published: LgID (default 0).
class TXObject : public TXPersistent {
  XS_DECLARE_CLASS(TXObject)
 public:
  std::string Name;
  // The header the filers wrote the object to or read it from; -1 for none.
  int32_t HeaderIndex = -1;

  int32_t LgID() const { return lg_id_; }
  virtual void SetLgID(int32_t lg_id) { lg_id_ = lg_id; }
  // Whether the object's data travel inside its object text; the filers set
  // it before they write the object.
  bool StoreData() const { return store_data_; }
  virtual void SetStoreData(bool store) { store_data_ = store; }
  virtual bool IsEmpty() const { return false; }

  // From a TXObject: LgID, Name, StoreData and HeaderIndex.
  bool AssignFrom(const TPersistent& source) override;

 protected:
  int32_t lg_id_ = 0;
  bool store_data_ = true;
};

// LgID is 9 after construction and after Clear.
class TXLgObject : public TXObject {
  XS_DECLARE_CLASS(TXLgObject)
 public:
  TXLgObject() { lg_id_ = 9; }
  void Clear() override { SetLgID(9); }
};

// An object that reports changes: Changed fires OnChange unless a change is
// in progress (BeginChange without its EndChange).
class TXChangeableObject : public TXObject {
  XS_DECLARE_CLASS(TXChangeableObject)
 public:
  TNotifyEvent OnChange;

  virtual void Changed();
  virtual void BeginChange() { ++change_count_; }
  // Ends one BeginChange (the count never goes below 0), then Changed.
  virtual void EndChange();
  // Copies inside BeginChange/EndChange.
  void Assign(const TPersistent& source) override;

 private:
  int change_count_ = 0;
};

}  // namespace xs
