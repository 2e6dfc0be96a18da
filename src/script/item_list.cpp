#include "script/item_list.h"

namespace xs {

void TXUIObjectList::Reverse() {
  TObjectList moved(false);
  while (Count() > 0) moved.Add(Extract(0));
  for (int i = moved.Count() - 1; i >= 0; --i) TXObjectList::Add(moved.Items(i));
}

}  // namespace xs
