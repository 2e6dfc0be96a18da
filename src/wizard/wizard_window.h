// The wizard's window for its dialog component, where the program has
// windows.
#pragma once

#include "ui/win_dialog.h"

namespace xs {

// Makes the wizard's form; empty where there are no windows.
TXFormClass InstallDlgFormClass();

}  // namespace xs
