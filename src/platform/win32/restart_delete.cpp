#include "platform/restart_delete.h"

#include <windows.h>

#include "platform/system_error.h"

namespace xs {

bool DeleteAtRestart(const std::string& name) {
  bool ok = MoveFileExA(name.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
  SetLastSystemError(ok ? 0 : static_cast<int>(GetLastError()));
  return ok;
}

}  // namespace xs
