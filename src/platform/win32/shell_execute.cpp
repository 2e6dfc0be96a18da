#include "platform/shell_execute.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/system_error.h"

namespace xs {

bool ShellExecuteFile(const std::string& verb, const std::string& file, const std::string& parameters) {
  SHELLEXECUTEINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  info.lpVerb = verb.empty() ? nullptr : verb.c_str();
  info.lpFile = file.c_str();
  info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
  info.nShow = SW_SHOWNORMAL;
  if (ShellExecuteExA(&info)) return true;
  SetLastSystemError(GetLastError());
  return false;
}

}  // namespace xs
