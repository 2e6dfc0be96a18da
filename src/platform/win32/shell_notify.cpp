#include "platform/shell_notify.h"

#include <windows.h>
#include <shlobj.h>

namespace xs {

void NotifyShellChange(uint32_t event, uint32_t flags, const std::string& path1, const std::string& path2) {
  SHChangeNotify(static_cast<LONG>(event), flags, path1.empty() ? nullptr : path1.c_str(),
                 path2.empty() ? nullptr : path2.c_str());
}

}  // namespace xs
