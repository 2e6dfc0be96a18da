#include "platform/command_line.h"

#include <windows.h>

namespace xs {

void SetProcessArguments(int, char**) {}

std::string ProcessCommandLine() { return GetCommandLineA(); }

std::string ProgramFileName() {
  char path[MAX_PATH * 4];
  DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  return std::string(path, n < sizeof path ? n : 0);
}

}  // namespace xs
