#include "platform/file_version.h"

#include <windows.h>

#include <string>

#include "platform/system_error.h"
#include "platform/win32/system_library.h"

namespace xs {

namespace {
// version.dll is no KnownDLL: an import of it would be looked for in the
// program's folder first, so it is loaded from System32 when first needed.
struct TVersionApi {
  using SizeFn = DWORD(WINAPI*)(LPCSTR, LPDWORD);
  using InfoFn = BOOL(WINAPI*)(LPCSTR, DWORD, DWORD, LPVOID);
  using QueryFn = BOOL(WINAPI*)(LPCVOID, LPCSTR, LPVOID*, PUINT);
  SizeFn GetFileVersionInfoSize = nullptr;
  InfoFn GetFileVersionInfo = nullptr;
  QueryFn VerQueryValue = nullptr;
  DWORD load_error = 0;  // not 0: why the functions are missing
};

const TVersionApi& VersionApi() {
  static const TVersionApi api = [] {
    TVersionApi a;
    HMODULE dll = LoadSystemLibrary("version.dll");
    if (dll) {
      a.GetFileVersionInfoSize = SystemFunction<TVersionApi::SizeFn>(dll, "GetFileVersionInfoSizeA");
      a.GetFileVersionInfo = SystemFunction<TVersionApi::InfoFn>(dll, "GetFileVersionInfoA");
      a.VerQueryValue = SystemFunction<TVersionApi::QueryFn>(dll, "VerQueryValueA");
    }
    if (!a.GetFileVersionInfoSize || !a.GetFileVersionInfo || !a.VerQueryValue)
      a.load_error = dll ? ERROR_PROC_NOT_FOUND : GetLastError();
    return a;
  }();
  return api;
}
}  // namespace

std::optional<TPeFileVersion> ReadFileVersion(const std::string& file_name) {
  const TVersionApi& api = VersionApi();
  if (api.load_error) {
    SetLastSystemError(static_cast<int>(api.load_error));
    return std::nullopt;
  }
  DWORD ignored = 0;
  DWORD size = api.GetFileVersionInfoSize(file_name.c_str(), &ignored);
  std::string block(size, '\0');
  void* fixed = nullptr;
  UINT length = 0;
  if (size == 0 || !api.GetFileVersionInfo(file_name.c_str(), 0, size, block.data()) ||
      !api.VerQueryValue(block.data(), "\\", &fixed, &length) || length < sizeof(VS_FIXEDFILEINFO)) {
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
