// The state of one run, shared by the engine, the wizard, the dialogs and
// the script items. Init resets and refills it at the start of every run.
#pragma once

#include <cstdint>
#include <string>

#include "base/script_types.h"

namespace xs {

struct TXRunSettings {
  std::string PackageFileName;
  int64_t StartOffset = 0;           // the package's first byte in its file
  int32_t CurrentLgID = 9;
  std::string InstallFolder;         // <install>
  std::string GroupName;             // <group>
  std::string OldDataFolder;         // <old>
  std::string EarlierInstallFolder;
  std::string UninstallInfoFolder;   // <ui>
  TXUIConditions RunConditions;
  TXComponentSet SelectedComponents;
  bool CreateDesktopShortcut = false;
  bool HasAdminRights = false;
  bool WinXPOrLater = true;
};

// The process-wide settings, with their unit defaults until changed.
TXRunSettings& RunSettings();

}  // namespace xs
