// Telling the shell that files, folders or associations changed.
#pragma once

#include <cstdint>
#include <string>

namespace xs {

// Events and flags, with the system's values.
enum : uint32_t {
  shcneCreate = 0x2,
  shcneDelete = 0x4,
  shcneMkDir = 0x8,
  shcneRmDir = 0x10,
  shcneUpdateDir = 0x1000,
  shcneUpdateItem = 0x2000,
  shcneAssocChanged = 0x08000000,
};
enum : uint32_t {
  shcnfIdList = 0x0,  // no paths: pass them empty
  shcnfPath = 0x1,    // path1 and path2 are file names (empty: none)
  shcnfFlush = 0x1000,
};

// Passes the notification on; the shell gives no result. The POSIX
// emulation records it (emulation.h).
void NotifyShellChange(uint32_t event, uint32_t flags, const std::string& path1 = {},
                       const std::string& path2 = {});

}  // namespace xs
