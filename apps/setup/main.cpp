// setup: finds the install package appended to itself and runs the install
// engine on it. The exit code is the engine's (0 installed, 1 cancelled,
// otherwise the failing step's error code).
#include "base/settings.h"
#include "core/install_engine.h"
#include "core/startup.h"
#include "engine/questions.h"
#include "lang/data_module.h"
#include "script/register.h"
#include "ui/application.h"
#include "ui/dialog_windows.h"
#include "ui/timer.h"

int main(int argc, char** argv) {
  using namespace xs;
  StartProgramProcess(argc, argv, "Setup");
  RunSettings().StartOffset = OwnPackageOffset();
  if (!SilentRunRequested()) InstallDialogWindows();
  StartProgramRun("setup");

  Application().ShowMainForm = false;
  auto* engine = new TXInstallEngine(&Application());
  engine->optStandalone = true;
  auto* data = new TData(&Application());
  StartLanguages(*data);
  StartTimer(50, [engine](TObject* sender) { engine->StartRun(sender); });

  Application().Run();
  const int exit_code = engine->ExitCode();
  Application().DestroyComponents();
  UnregisterScriptClasses();
  return EndProgramRun(exit_code);
}
