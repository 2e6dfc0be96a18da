// Whether an item takes part in the current run.
#pragma once

#include "script/items.h"

namespace xs {

// Decides from the item's Condition, LgID and Component against the run's
// RunConditions, CurrentLgID and SelectedComponents (base/settings.h):
// - an empty Condition, another language (LgID not 0) or an unselected
//   component never runs;
// - in a demo install exactly the items with cdDemo run;
// - otherwise cdAlways runs, [cdDemo] alone does not, and each pair
//   (cdReinstall/cdNotReinstall, cdOld/cdNotOld, cdCardMode/cdNotCardMode,
//   cdAllUsers/cdSingleUser) asks for its positive member to be in the run
//   conditions or, failing that, for its negative member's absence; a pair
//   with neither member asks nothing, one with both asks for the positive.
bool CheckCondition(const TXUICustomItem& item);

}  // namespace xs
