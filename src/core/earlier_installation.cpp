// Finding an earlier installation of the package's applications through
// their uninstall entries.
#include <string>

#include "base/settings.h"
#include "core/install_engine.h"
#include "engine/run_log.h"
#include "package/filer.h"
#include "platform/file_system.h"
#include "uninstall/uninstall_entries.h"

namespace xs {

void TXCustomInstallEngine::FindEarlierInstallation() {
  TestedVersion.clear();
  const uint32_t root = UninstallRoot();
  const TStringList names = UninstallEntryNames(root);
  const TXUIAppCollection& apps = Package.Script.AppItems;
  for (int i = 0; i < apps.Count(); ++i) {
    const TXUIAppItem& app = *apps.GetItem(i);
    if (!app.optSaveLog || app.LogTitle.empty()) continue;
    const TStringList candidates = EntryCandidates(names, app.LogTitle);
    for (const std::string& entry : candidates.Items()) {
      std::string log_file = UninstallLogFile(EntryValue(root, entry, "UninstallString"));
      TXUndo earlier;
      if (log_file.empty() || !LoadFileWith(log_file, FilerClass<TXInstallFiler>, &earlier, false, nullptr) ||
          earlier.AppItems.Count() == 0 || earlier.AppItems.GetItem(0)->Folder.empty())
        continue;
      TXRunSettings& s = RunSettings();
      s.OldDataFolder = IncludeTrailingPathDelimiter(earlier.AppItems.GetItem(0)->Folder);
      s.EarlierInstallFolder = s.OldDataFolder;
      TestedVersion = EntryValue(root, entry, "DisplayVersion");
      RunLog().Write("earlier installation: " + entry + " in " + s.OldDataFolder + ", version " + TestedVersion);
      return;
    }
  }
}

}  // namespace xs
