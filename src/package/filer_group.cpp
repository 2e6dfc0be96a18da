#include "package/filer_group.h"

namespace xs {

TXFilerOptions FilerOptions(std::initializer_list<int> options) {
  TXFilerOptions set;
  for (int option : options) set.set(static_cast<size_t>(option));
  return set;
}

bool TXFilerGroup::HasItems() const {
  if (auto* collection = std::get_if<TCollection*>(&Items)) return *collection != nullptr;
  if (auto* list = std::get_if<TObjectList*>(&Items)) return *list != nullptr;
  return false;
}

int TXFilerGroup::ItemCount() const {
  if (auto* collection = std::get_if<TCollection*>(&Items)) return *collection ? (*collection)->Count() : 0;
  if (auto* list = std::get_if<TObjectList*>(&Items)) return *list ? (*list)->Count() : 0;
  return 0;
}

TPersistent* TXFilerGroup::ItemAt(int i) const {
  if (auto* collection = std::get_if<TCollection*>(&Items)) return (*collection)->Items(i);
  return dynamic_cast<TPersistent*>(std::get<TObjectList*>(Items)->Items(i));
}

void TXFilerGroup::ClearItems() {
  if (auto* collection = std::get_if<TCollection*>(&Items); collection && *collection) (*collection)->Clear();
  if (auto* list = std::get_if<TObjectList*>(&Items); list && *list) (*list)->Clear();
}

}  // namespace xs
