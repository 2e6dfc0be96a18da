#include "core/startup.h"

#include "base/error.h"
#include "package/data_index.h"
#include "platform/command_line.h"
#include "platform/file_stream.h"
#include "platform/pe_image.h"
#include "platform/util_window.h"
#include "script/path_macros.h"
#include "script/register.h"
#include "ui/application.h"

namespace xs {

namespace {
uint32_t activate_message = 0;
}

void InitializeProcess() {
  XError().Clear();
  RegisterDataIndexClasses();
  RegisterWindowMessageName("TaskbarCreated");
  activate_message = RegisterWindowMessageName("QVMActivateApplication");
}

void StartProgramProcess(int argc, char** argv, const std::string& title) {
  SetProcessArguments(argc, argv);
  InitializeProcess();
  RegisterScriptClasses();
  InitializePathMacros();
  Application().Title = title;
}

uint32_t ActivateApplicationMessage() { return activate_message; }

int64_t OwnPackageOffset() {
  try {
    TFileStream self(ProgramFileName(), FileMode::OpenRead);
    return PeImageEnd(self).value_or(0);
  } catch (const EStreamError&) {
    return 0;
  }
}

}  // namespace xs
