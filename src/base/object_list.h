// A list of objects that may own them.
#pragma once

#include <vector>

#include "base/persistent.h"

namespace xs {

class TObjectList : public TObject {
 public:
  explicit TObjectList(bool owns_objects = true) : OwnsObjects(owns_objects) {}
  // Frees the objects when it owns them.
  ~TObjectList() override;
  TObjectList(const TObjectList&) = delete;
  TObjectList& operator=(const TObjectList&) = delete;

  bool OwnsObjects;

  int Count() const { return static_cast<int>(items_.size()); }
  TObject* Items(int i) const { return items_[static_cast<size_t>(i)]; }
  int IndexOf(const TObject* object) const;

  // Appends object and returns its index; an owning list now owns it.
  int Add(TObject* object);
  void Insert(int i, TObject* object);
  // Removes the object at i; an owning list frees it.
  void Delete(int i);
  // Removes the object at i without freeing it and returns it.
  TObject* Extract(int i);
  // Removes every object; an owning list frees them, last first.
  void Clear();

 private:
  std::vector<TObject*> items_;
};

}  // namespace xs
