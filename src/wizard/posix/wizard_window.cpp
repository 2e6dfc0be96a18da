#include "wizard/wizard_window.h"

namespace xs {

// No windows here: the install runs without a wizard.
TXFormClass InstallDlgFormClass() { return nullptr; }

}  // namespace xs
