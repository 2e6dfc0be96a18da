#include "platform/shell_notify.h"

#include "platform/posix/emulated_machine.h"

namespace xs {

void NotifyShellChange(uint32_t event, uint32_t flags, const std::string& path1, const std::string& path2) {
  RecordShellChange(TShellChange{event, flags, path1, path2});
}

}  // namespace xs
