// setup: finds the install package appended to itself and runs the install
// engine on it. The exit code is the engine's (0 installed, 1 cancelled,
// otherwise the failing step's error code).
#include <optional>

#include "base/settings.h"
#include "core/install_engine.h"
#include "core/lg_dialog_slots.h"
#include "core/wizard_slot.h"
#include "core/startup.h"
#include "engine/questions.h"
#include "lang/data_module.h"
#include "script/register.h"
#include "ui/application.h"
#include "ui/dialog_windows.h"
#include "ui/timer.h"
#include "wizard/wizard_window.h"

int main(int argc, char** argv) {
  using namespace xs;
  StartProgramProcess(argc, argv, "Setup");
  RunSettings().StartOffset = OwnPackageOffset();
  const bool windows = !SilentRunRequested();
  if (windows) InstallDialogWindows();
  StartProgramRun("setup");

  Application().ShowMainForm = false;
  auto* engine = new TXInstallEngine(&Application());
  engine->optStandalone = true;
  TXLgDialogSlot lg_dialog(LgDialogFormClass(TXLgDialogKind::InstallLg));
  TXDemoDialogSlot start_dialog(LgDialogFormClass(TXLgDialogKind::StartInstallDemo));
  if (windows && LgDialogFormClass(TXLgDialogKind::InstallLg)) {
    engine->LgDialog = &lg_dialog;
    engine->StartDialog = &start_dialog;
  }
  std::optional<TXWizardSlot> wizard;
  if (windows && InstallDlgFormClass()) engine->WizardDialog = &wizard.emplace(*engine, InstallDlgFormClass());
  auto* data = new TData(&Application());
  StartLanguages(*data);
  StartTimer(50, [engine](TObject* sender) { engine->StartRun(sender); });

  Application().Run();
  const int exit_code = engine->ExitCode();
  Application().DestroyComponents();
  UnregisterScriptClasses();
  return EndProgramRun(exit_code);
}
