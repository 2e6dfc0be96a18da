// TXCustomUI: what the install script and an undo log have in common, the
// banner design, the applications and the owned, ordered items.
#pragma once

#include <memory>

#include "package/persistent_base.h"
#include "script/app_item.h"
#include "script/design.h"
#include "script/item_list.h"

namespace xs {

// Published after LgID: Design, AppItems, optAdminRequired, optSilent,
// optRestart. Items are not published: the filers store each item as a
// record of its own.
class TXCustomUI : public TXObject {
  XS_DECLARE_CLASS(TXCustomUI)
 public:
  TXUIDesignObject Design;
  TXUIAppCollection AppItems;
  bool optAdminRequired = false;
  bool optSilent = false;
  bool optRestart = false;
  TXUIObjectList Items{true};  // owned, in script order

  // Appends item to Items and returns it, owned by this object from now on.
  template <class T>
  T* AddItem(std::unique_ptr<T> item) {
    Items.Add(item.get());
    return item.release();
  }

  // The three options False, Design cleared, no applications, no items.
  void Clear() override;
  // TXObject's fields and the published properties shared with source;
  // from a TXCustomUI, Items becomes a copy of source's items (each a new
  // object of the item's class, assigned from it).
  bool AssignFrom(const TPersistent& source) override;
};

}  // namespace xs
