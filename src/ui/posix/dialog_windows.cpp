#include "ui/dialog_windows.h"

namespace xs {

// No windows here: every question answers as without a window.
void InstallDialogWindows() {}

TXFormClass LgDialogFormClass(TXLgDialogKind) { return nullptr; }

}  // namespace xs
