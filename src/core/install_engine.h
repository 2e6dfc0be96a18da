// The engine of the setup program: it loads the package, runs the language
// step, checks for running applications and earlier installations, and
// performs the install, demo and upgrade runs.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <memory>
#include <string>
#include <vector>

#include "base/string_list.h"
#include "core/install_dialogs.h"
#include "engine/engine.h"
#include "engine/install_filer.h"
#include "script/undo.h"
#include "script/undo_records.h"
#include "uninstall/uninstall_engine.h"

namespace xs {

class TXCustomInstallEngine : public TXCustomUIEngine {
 public:
  using TXCustomUIEngine::TXCustomUIEngine;
  ~TXCustomInstallEngine() override;

  // The install run: Init, Load, LoadLanguage, the search for an earlier
  // installation, then the demo run (when the start dialog chose it) or the
  // wizard. While it lasts, "<install>", "<group>", "<old>" and "<ui>"
  // expand to the run-wide settings; the language state is restored
  // afterwards, on every path out. Any exception gives false; nothing is
  // shown here.
  bool Execute() override;

  // The install script and the package's language packs.
  TXPackageContents Package;

  // Borrowed dialogs; an empty slot is skipped.
  TXCustomInstallLgDialog* LgDialog = nullptr;
  TXCustomInstallDemoDialog* StartDialog = nullptr;
  TXCustomInstallDialog* WizardDialog = nullptr;

  // Starts this program again with administrator rights and returns the
  // copy's exit code; RunElevated (platform/elevation.h) when empty. Tests
  // put a recorder in.
  std::function<std::optional<uint32_t>(const std::string& program, const std::string& parameters)>
      ElevatedStarter;
  // How long a silent run waits for a running application to end before it
  // cancels.
  int SilentWaitMs = 30000;

  // The version the upgrade run tests: the earlier installation's, found by
  // FindEarlierInstallation; empty (all parts 0) when there is none.
  std::string TestedVersion;

  // False when the user gave up waiting for one of the applications to end.
  bool CheckRunningApplications();
  // Whether folder holds an installation that one of the script's version
  // search items of that kind (optfOld or optfReinstall) matches.
  bool SearchVersion(const std::string& folder, TXUISearchOptions kind);
  // Looks for the uninstall entry of an earlier installation of a logged
  // application (LogTitle or LogTitle_iN under the run's registry root):
  // the folder of its undo log's application becomes the old-data folder,
  // its "DisplayVersion" the tested version. Without one both stay empty.
  void FindEarlierInstallation();

  // Executes the install items, keeps their undo records, writes the undo
  // logs and registers the uninstall entries. False when the user did not
  // close a running application or an item aborted the run; the records of
  // isTemp items are reversed in any case.
  bool InstallRun();
  // Installs into a temporary folder, runs the application there with
  // "/demo", waits for it and removes everything again. False as InstallRun.
  bool DemoRun();
  // After the demo: whether the user wants to install now.
  bool AskInstallNow();
  // Executes the upgrade items whose version range holds TestedVersion.
  void UpgradeRun();

  // Appends to the script the items that register app's uninstall entry
  // under root (registry key, values and the deletion of the undo log), all
  // for app's undo log. existing holds the entry names already there. Does
  // nothing for an application without optSaveLog or LogTitle, or in card
  // mode.
  void RegisterUninstall(const TXUIAppItem& app, const TXUndo& log, const TStringList& existing, uint32_t root);
  // Merges the undo log file that log's application names (UILog) into log
  // and writes log over it. True when the file was written.
  bool MergeUndoLog(TXUndo& log);

 protected:
  void DoInit() override;
  // Finds the package ("/file:", this program at the start offset, or the
  // ".0" file beside it) and loads script and language packs. A missing or
  // damaged package shows the incomplete-installer message and raises.
  void DoLoad() override;
  // Offers the package's languages and shows the start or language dialog.
  void DoLoadLanguage() override;

 private:
  // The registry root of the uninstall entries for this run.
  uint32_t UninstallRoot() const;
  // The per-item step of the install and demo runs. Returns false when the
  // item aborted the run. records receives the item's undo records, if any;
  // succeeded whether the item did its work. before_act_, when set, gets
  // the item's plan before it acts.
  bool InstallItem(TXUICustomItem& item, int index, int count, TXUndoRecords& records, bool& succeeded);
  void ShowPackageError(const std::string& file_name);

  // The command line's part (run_switches.cpp).
  bool NeedsElevation() const;
  // Runs the elevated copy; its exit code becomes this run's.
  bool RestartElevated();
  // "/dir:" and "/group:" replace the script's defaults.
  void ApplyFolderSwitches();
  // "/components:", else the wizard's starting selection.
  void ApplySelection();
  // The install run without a wizard: the selection from the command line,
  // then InstallRun.
  bool InstallDirectly();

  std::unique_ptr<TXCustomUninstallEngine> temp_engine_;
  TXBeforeAct before_act_;
  // The package's language packs offered to the language wizard.
  std::vector<const TStream*> offered_packs_;
};

class TXInstallEngine : public TXCustomInstallEngine {
 public:
  using TXCustomInstallEngine::TXCustomInstallEngine;
};

}  // namespace xs
