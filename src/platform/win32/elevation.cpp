#include "platform/elevation.h"

#include <windows.h>

#include <shellapi.h>

#include "platform/system_error.h"

namespace xs {

std::optional<uint32_t> RunElevated(const std::string& program, const std::string& parameters) {
  SHELLEXECUTEINFOA info{};
  info.cbSize = sizeof info;
  // The shell's process must not outlive the call: the exit code is read
  // from its handle.
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
  info.lpVerb = "runas";
  info.lpFile = program.c_str();
  info.lpParameters = parameters.c_str();
  info.nShow = SW_SHOWNORMAL;
  if (!ShellExecuteExA(&info)) {
    SetLastSystemError(static_cast<int>(GetLastError()));
    return std::nullopt;
  }
  if (!info.hProcess) {
    SetLastSystemError(ERROR_INVALID_HANDLE);
    return std::nullopt;
  }
  DWORD code = 0;
  const bool ok = WaitForSingleObject(info.hProcess, INFINITE) == WAIT_OBJECT_0 &&
                  GetExitCodeProcess(info.hProcess, &code);
  SetLastSystemError(ok ? 0 : static_cast<int>(GetLastError()));
  CloseHandle(info.hProcess);
  if (!ok) return std::nullopt;
  return code;
}

}  // namespace xs
