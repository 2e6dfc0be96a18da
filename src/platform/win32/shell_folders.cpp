#include "platform/shell_folders.h"

#include <windows.h>
#include <shlobj.h>

#include "platform/system_error.h"

namespace xs {

std::string SpecialFolderPath(int csidl, bool create) {
  char path[MAX_PATH] = {};
  SetLastError(0);
  if (!SHGetSpecialFolderPathA(nullptr, path, csidl, create)) {
    DWORD code = GetLastError();
    SetLastSystemError(code ? static_cast<int>(code) : ERROR_PATH_NOT_FOUND);
    return {};
  }
  SetLastSystemError(0);
  return path;
}

}  // namespace xs
