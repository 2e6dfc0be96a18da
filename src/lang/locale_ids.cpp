#include "lang/locale_ids.h"

#include "core/convert.h"

namespace xs {

void TXLocaleIDStringList::SetDefaultLgID(int id) {
  default_lg_id_ = id;
  if (OnDefaultChanged) OnDefaultChanged(this);
}

void TXLocaleIDStringList::Assign(const TXLocaleIDStringList& source) {
  SetDefaultLgID(source.default_lg_id_);
  TStringList::operator=(source);
}

int TXLocaleIDStringList::IDs(int i) const { return StrToIntDef((*this)[i], 9); }

}  // namespace xs
