#include "base/object_list.h"

#include <algorithm>

namespace xs {

TObjectList::~TObjectList() { Clear(); }

int TObjectList::IndexOf(const TObject* object) const {
  auto it = std::find(items_.begin(), items_.end(), object);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

int TObjectList::Add(TObject* object) {
  items_.push_back(object);
  return Count() - 1;
}

void TObjectList::Insert(int i, TObject* object) { items_.insert(items_.begin() + i, object); }

void TObjectList::Delete(int i) {
  TObject* object = Extract(i);
  if (OwnsObjects) delete object;
}

TObject* TObjectList::Extract(int i) {
  TObject* object = items_.at(static_cast<size_t>(i));
  items_.erase(items_.begin() + i);
  return object;
}

void TObjectList::Clear() {
  while (!items_.empty()) Delete(Count() - 1);
}

}  // namespace xs
