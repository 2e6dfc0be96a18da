#include "package/persistent_base.h"

namespace xs {

void AssignThrough(TPersistent& target, const TPersistent& source,
                   const std::function<bool()>& assign_from) {
  bool handled = false;
  try {
    handled = assign_from();
  } catch (const Exception&) {
    handled = false;
  }
  if (!handled) target.TPersistent::Assign(source);
}

XS_DEFINE_CLASS(TXPersistent, TPersistent)

void TXPersistent::Assign(const TPersistent& source) {
  AssignThrough(*this, source, [&] { return AssignFrom(source); });
}

XS_DEFINE_CLASS(TXObject, TXPersistent,
    Prop("LgID", &TXObject::lg_id_, &TXObject::SetLgID).Default(0))

bool TXObject::AssignFrom(const TPersistent& source) {
  if (!TXPersistent::AssignFrom(source)) return false;
  if (auto* other = dynamic_cast<const TXObject*>(&source)) {
    SetLgID(other->lg_id_);
    Name = other->Name;
    SetStoreData(other->store_data_);
    HeaderIndex = other->HeaderIndex;
  }
  return true;
}

XS_DEFINE_CLASS(TXLgObject, TXObject)

XS_DEFINE_CLASS(TXChangeableObject, TXObject)

void TXChangeableObject::Changed() {
  if (change_count_ == 0 && OnChange) OnChange(this);
}

void TXChangeableObject::EndChange() {
  if (change_count_ > 0) --change_count_;
  Changed();
}

void TXChangeableObject::Assign(const TPersistent& source) {
  BeginChange();
  try {
    TXObject::Assign(source);
  } catch (...) {
    EndChange();
    throw;
  }
  EndChange();
}

}  // namespace xs
