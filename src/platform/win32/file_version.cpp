#include "platform/file_version.h"

#include <windows.h>

#include <string>

#include "platform/system_error.h"

namespace xs {

std::optional<TPeFileVersion> ReadFileVersion(const std::string& file_name) {
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeA(file_name.c_str(), &ignored);
  std::string block(size, '\0');
  void* fixed = nullptr;
  UINT length = 0;
  if (size == 0 || !GetFileVersionInfoA(file_name.c_str(), 0, size, block.data()) ||
      !VerQueryValueA(block.data(), "\\", &fixed, &length) || length < sizeof(VS_FIXEDFILEINFO)) {
    DWORD code = GetLastError();
    SetLastSystemError(code ? static_cast<int>(code) : ERROR_RESOURCE_TYPE_NOT_FOUND);
    return std::nullopt;
  }
  const auto* info = static_cast<const VS_FIXEDFILEINFO*>(fixed);
  SetLastSystemError(0);
  return TPeFileVersion{HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS),
                        HIWORD(info->dwFileVersionLS), LOWORD(info->dwFileVersionLS)};
}

}  // namespace xs
