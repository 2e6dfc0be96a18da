// TXLocaleIDStringList: language ids as decimal text, one per item, plus the
// default language id. The install script's LgIDs is one: the languages the
// package offers and which of them is the default.
#pragma once

#include <functional>

#include "core/string_list.h"

namespace xs {

class TXLocaleIDStringList : public TStringList {
 public:
  int DefaultLgID() const { return default_lg_id_; }
  // Stores id, then calls OnDefaultChanged (when assigned), even when the
  // id did not change.
  void SetDefaultLgID(int id);
  std::function<void(TXLocaleIDStringList* sender)> OnDefaultChanged;

  // Sets DefaultLgID through its setter, then copies the ids.
  void Assign(const TXLocaleIDStringList& source);
  // Item i as a number; an item that is not a number counts as 9 (English).
  int IDs(int i) const;

 private:
  int default_lg_id_ = 9;
};

}  // namespace xs
