// TXLocaleIDStringList: language ids as decimal text, one per item, plus the
// default language id. The install script's LgIDs is one: the languages the
// package offers and which of them is the default. Stored as its published
// DefaultLgID followed by the ids as "Strings".
#pragma once

#include <functional>

#include "base/string_list.h"

namespace xs {

class TXLocaleIDStringList : public TStringList {
  XS_DECLARE_CLASS(TXLocaleIDStringList)
 public:
  int DefaultLgID() const { return default_lg_id_; }
  // Stores id, then calls OnDefaultChanged (when assigned), even when the
  // id did not change.
  void SetDefaultLgID(int id);
  std::function<void(TXLocaleIDStringList* sender)> OnDefaultChanged;

  // From another TXLocaleIDStringList: sets DefaultLgID through its setter,
  // then copies the ids. Other sources: see TStringList.
  void Assign(const TPersistent& source) override;
  // Item i as a number; an item that is not a number counts as 9 (English).
  int IDs(int i) const;

 private:
  int default_lg_id_ = 9;
};

}  // namespace xs
