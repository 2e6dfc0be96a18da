#include "platform/restart_delete.h"

#include <cerrno>

#include "platform/posix/emulated_machine.h"
#include "platform/system_error.h"

namespace xs {

bool DeleteAtRestart(const std::string& name) {
  if (name.empty()) {
    SetLastSystemError(EINVAL);
    return false;
  }
  RecordRestartDelete(name);
  SetLastSystemError(0);
  return true;
}

}  // namespace xs
