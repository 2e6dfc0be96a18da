#include "core/install_engine.h"

#include "base/settings.h"
#include "engine/parameters.h"
#include "lang/lg_wizard.h"
#include "script/search_version.h"

namespace xs {

TXCustomInstallEngine::~TXCustomInstallEngine() {
  // The language wizard outlives the engine and must not read freed packs.
  for (const TStream* pack : offered_packs_) LgWizard().RemoveLanguageStream(*pack);
}

void TXCustomInstallEngine::DoInit() {
  error_caption_ = "Error Starting Setup - Incomplete Installer File";
  error_format_ =
      "Error starting setup - Incomplete installer file: %s\r\n"
      "If the problem persists you may have to download the file again.";
  // Beyond the script's conditions: an install for every user of the machine.
  if (Parameters().HasSwitch("/allusers")) RunSettings().RunConditions.set(cdAllUsers);
}

bool TXCustomInstallEngine::Execute() {
  return RunFramed([this] {
    Init();
    Load();
    if (NeedsElevation()) return RestartElevated();
    ApplyFolderSwitches();
    LoadLanguage();
    Package.Script.SplitSections();
    FindEarlierInstallation();
    TXRunSettings& s = RunSettings();
    if (s.RunConditions.test(cdDemo)) {
      bool result = DemoRun();
      if (AskInstallNow()) result = WizardDialog ? WizardDialog->ExecuteOK() : InstallDirectly();
      return result;
    }
    return WizardDialog ? WizardDialog->ExecuteOK() : InstallDirectly();
  });
}

bool TXCustomInstallEngine::InstallDirectly() {
  ApplySelection();
  return InstallRun();
}

bool TXCustomInstallEngine::SearchVersion(const std::string& folder, TXUISearchOptions kind) {
  Package.Script.SplitSections();
  return xs::SearchVersion(Package.Script.SearchItems, folder, kind);
}

uint32_t TXCustomInstallEngine::UninstallRoot() const {
  const TXRunSettings& s = RunSettings();
  return s.RunConditions.test(cdAllUsers) || !s.WinXPOrLater ? hkey::LocalMachine : hkey::CurrentUser;
}

}  // namespace xs
