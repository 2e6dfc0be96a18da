#include "script/custom_ui.h"

#include "script/property_copy.h"

namespace xs {

XS_DEFINE_CLASS(TXCustomUI, TXObject,
    Prop("Design", &TXCustomUI::Design),
    Prop("AppItems", &TXCustomUI::AppItems),
    Prop("optAdminRequired", &TXCustomUI::optAdminRequired),
    Prop("optSilent", &TXCustomUI::optSilent),
    Prop("optRestart", &TXCustomUI::optRestart))

void TXCustomUI::Clear() {
  optAdminRequired = optSilent = optRestart = false;
  Design.Clear();
  AppItems.Clear();
  Items.Clear();
}

bool TXCustomUI::AssignFrom(const TPersistent& source) {
  if (!TXObject::AssignFrom(source)) return false;
  CopySharedProperties(*this, source);
  auto* other = dynamic_cast<const TXCustomUI*>(&source);
  if (!other || other == this) return true;
  // Replacing rather than appending: a copy holds the source's items once.
  Items.Clear();
  Items.Assign(other->Items);
  return true;
}

}  // namespace xs
