#include "lang/locale_ids.h"

#include "base/convert.h"

namespace xs {

XS_DEFINE_CLASS(TXLocaleIDStringList, TStringList,
    Prop("DefaultLgID", &TXLocaleIDStringList::default_lg_id_, &TXLocaleIDStringList::SetDefaultLgID))

void TXLocaleIDStringList::SetDefaultLgID(int id) {
  default_lg_id_ = id;
  if (OnDefaultChanged) OnDefaultChanged(this);
}

void TXLocaleIDStringList::Assign(const TPersistent& source) {
  if (auto* ids = dynamic_cast<const TXLocaleIDStringList*>(&source))
    SetDefaultLgID(ids->default_lg_id_);
  TStringList::Assign(source);
}

int TXLocaleIDStringList::IDs(int i) const { return StrToIntDef((*this)[i], 9); }

}  // namespace xs
