// Undo logs: one TXUndo per logged application, holding a copy of the
// application entry and the undo records (items that reverse one action of
// the install each), in the order they were added.
#pragma once

#include "package/persistent_list.h"
#include "script/custom_ui.h"

namespace xs {

class TXUndo : public TXCustomUI {
  XS_DECLARE_CLASS(TXUndo)
};

// The undo logs of one run, owned; an item's LogIdx is a position here.
class TXUndoList : public TXObjectList {
 public:
  TXUndoList() : TXObjectList(true) {}
  TXUndo* GetItem(int i) const { return static_cast<TXUndo*>(Items(i)); }
  int Add(TXUndo* log) { return TXObjectList::Add(log); }
};

}  // namespace xs
