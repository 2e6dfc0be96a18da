// A list of script items.
#pragma once

#include "package/persistent_list.h"
#include "script/items.h"

namespace xs {

// Holds only TXUICustomItems: Add and Insert take nothing else.
class TXUIObjectList : public TXObjectList {
 public:
  using TXObjectList::TXObjectList;

  TXUICustomItem* GetItem(int i) const { return static_cast<TXUICustomItem*>(Items(i)); }
  int Add(TXUICustomItem* item) { return TXObjectList::Add(item); }
  void Insert(int i, TXUICustomItem* item) { TXObjectList::Insert(i, item); }
  // Reverses the order of the items in place; ownership is unchanged.
  void Reverse();
};

}  // namespace xs
