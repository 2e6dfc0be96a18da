// uninst: reverses the undo log named by "/file:", from a copy of itself so
// that its own file can go too.
#include "core/startup.h"
#include "engine/questions.h"
#include "lang/data_module.h"
#include "script/register.h"
#include "ui/application.h"
#include "ui/dialog_windows.h"
#include "uninstall/uninstall_program.h"

int main(int argc, char** argv) {
  using namespace xs;
  StartProgramProcess(argc, argv, "Uninstall");
  auto* data = new TData(&Application());
  StartLanguages(*data);

  if (!SilentRunRequested()) InstallDialogWindows();
  const int code = RunUninstallProgram();
  Application().DestroyComponents();
  UnregisterScriptClasses();
  return code;
}
