#include "platform/shell_execute.h"

#include <cerrno>

#include "platform/system_error.h"

namespace xs {

bool ShellExecuteFile(const std::string&, const std::string&, const std::string&) {
  SetLastSystemError(ENOTSUP);
  return false;
}

}  // namespace xs
