// The uninstall program an application's uninstall entry starts (UIExe) is
// delivered as an ordinary file item. The builder adds that item, so that a
// script needs no line for it.
#pragma once

#include <vector>

#include "script/install.h"

namespace xs {

// The applications that name a UIExe which no item of script writes (a
// file, text file, copied or renamed file item with that FileName, in any
// letter case). Two applications sharing one UIExe are listed once, the
// first of them.
std::vector<const TXUIAppItem*> AppsWithoutUninstaller(const TXInstall& script);

// Appends to script a file item that installs data, the uninstall program,
// as app's UIExe: in app's undo log (LogIdx), selected with the application
// (Component = AppIdx), recorded for undo so that the uninstall removes it,
// always replacing an earlier copy (a newer log needs the newer program),
// and aborting the run on failure, as an entry whose program is missing
// could never be uninstalled.
void AddUninstallerItem(TXInstall& script, const TXUIAppItem& app, const TXStreamObject& data);

}  // namespace xs
