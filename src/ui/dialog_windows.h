// The windows that ask the user: once installed, ShowMessageBox,
// ShowMessageBoxCheck, InputBox and ShowProgressWindow show real windows.
// Where the system has no windows the questions keep answering as they do
// without them, and no progress window shows.
#pragma once

#include "ui/lg_dialogs.h"

namespace xs {

// Installs the windows as the implementations of the questions in
// ui/message_box.h. A run that shows no window (a silent run) does not.
void InstallDialogWindows();

// The form of the language dialog or of the start dialog; empty where the
// system has no windows (the dialog then has no form to show).
TXFormClass LgDialogFormClass(TXLgDialogKind kind);

}  // namespace xs
