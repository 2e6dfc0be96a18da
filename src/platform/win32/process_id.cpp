#include "platform/process_id.h"

#include <windows.h>

#include "platform/system_error.h"

namespace xs {

uint32_t CurrentProcessId() { return GetCurrentProcessId(); }

bool WaitForProcessEnd(uint32_t pid, uint32_t timeout_ms) {
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
  if (!process) {
    // No process has that id any more.
    DWORD code = GetLastError();
    SetLastSystemError(code == ERROR_INVALID_PARAMETER ? 0 : static_cast<int>(code));
    return code == ERROR_INVALID_PARAMETER;
  }
  DWORD r = WaitForSingleObject(process, timeout_ms);
  DWORD code = r == WAIT_FAILED ? GetLastError() : r == WAIT_TIMEOUT ? WAIT_TIMEOUT : 0;
  CloseHandle(process);
  SetLastSystemError(static_cast<int>(code));
  return r == WAIT_OBJECT_0;
}

}  // namespace xs
