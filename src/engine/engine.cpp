#include "engine/engine.h"

#include "base/convert.h"
#include "base/error.h"
#include "base/macro_expanders.h"
#include "base/settings.h"
#include "base/text.h"
#include "engine/parameters.h"
#include "lang/language.h"
#include "lang/lg_wizard.h"
#include "platform/admin.h"
#include "platform/command_line.h"
#include "ui/application.h"

namespace xs {

namespace {
void RunStep(TObject* sender, const TXHandledEvent& event, const std::function<void()>& step) {
  bool handled = false;
  if (event) event(sender, handled);
  if (!handled) step();
}

// The run's own macros, matched in exact case, from the run-wide settings.
std::string ExpandRunMacros(const std::string& text) {
  const TXRunSettings& s = RunSettings();
  std::string r = ReplaceAll(text, "<install>", s.InstallFolder, false);
  r = ReplaceAll(r, "<group>", s.GroupName, false);
  r = ReplaceAll(r, "<old>", s.OldDataFolder, false);
  return ReplaceAll(r, "<ui>", s.UninstallInfoFolder, false);
}
}  // namespace

void TXCustomUIEngine::Init() {
  TXRunSettings& s = RunSettings();
  s.InstallFolder.clear();
  s.GroupName.clear();
  s.OldDataFolder.clear();
  s.EarlierInstallFolder.clear();
  s.UninstallInfoFolder.clear();
  s.CreateDesktopShortcut = false;
  s.RunConditions.reset();
  s.SelectedComponents.reset();
  s.SelectedComponents.set(0);
  s.HasAdminRights = IsAdministrator();
  s.PackageFileName.clear();
  s.CurrentLgID = 9;

  TXParameters& params = Parameters();
  params.ParseCommandLine(ProcessCommandLine());
  if (params.HasSwitch("/file:")) s.PackageFileName = params.SwitchValue("/file:");
  if (params.HasSwitch("/lg:")) s.CurrentLgID = StrToIntDef(params.SwitchValue("/lg:"), 9);
  if (params.HasSwitch("/start:")) s.StartOffset = StrToIntDef(params.SwitchValue("/start:"), 0);
  admin_switch_ = params.HasSwitch("/admin");
  silent_ = params.HasSwitch("/silent");

  DoInit();
  if (OnInit) OnInit(this);
}

void TXCustomUIEngine::Load() {
  RunStep(this, OnLoad, [this] { DoLoad(); });
  RunStep(this, OnLoaded, [this] { DoLoaded(); });
}

void TXCustomUIEngine::LoadLanguage() {
  RunStep(this, OnLoadLanguage, [this] { DoLoadLanguage(); });
  // The language and start dialogs write their choice into the run-wide id;
  // without a dialog it is "/lg:".
  if (ActiveLg().ActiveLangID() != RunSettings().CurrentLgID) LgWizard().SelectLanguageByID(RunSettings().CurrentLgID);
}

void TXCustomUIEngine::ReportProgress(TXUISection section, int position, const std::string& text) {
  if (OnProgress) OnProgress(this, section, position, text);
}

void TXCustomUIEngine::StartRun(TObject*) { Execute(); }

void TXCustomUIEngine::SetFailure(int code) {
  if (failure_ == 0) failure_ = code;
}

bool TXCustomUIEngine::RunFramed(const std::function<bool()>& run) {
  bool result = false;
  failure_ = 0;
  try {
    // Both kept for the run and undone on every path out, exceptions too.
    TXMacroExpanderRegistration run_macros(ExpandRunMacros);
    TXLanguageState language(LgWizard());
    result = run();
  } catch (const EXError& e) {
    // Failures were shown where they were detected.
    SetFailure(e.Code());
    result = false;
  } catch (...) {
    SetFailure(XError().GetCode());
    result = false;
  }
  exit_code_ = failure_ != 0 ? failure_ : result ? 0 : errGeneral;
  if (optStandalone) Application().Terminate();
  return result;
}

}  // namespace xs
