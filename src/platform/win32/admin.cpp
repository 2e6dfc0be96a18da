#include "platform/admin.h"

#include <windows.h>

namespace xs {

bool IsAdministrator() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (GetVersionExA(&version) && version.dwPlatformId != VER_PLATFORM_WIN32_NT) return true;
#pragma GCC diagnostic pop
  HMODULE advapi = LoadLibraryA("advapi32.dll");
  if (!advapi) return false;
  using OpenFn = SC_HANDLE(WINAPI*)(LPCSTR, LPCSTR, DWORD);
  using CloseFn = BOOL(WINAPI*)(SC_HANDLE);
  auto open = reinterpret_cast<OpenFn>(reinterpret_cast<void*>(GetProcAddress(advapi, "OpenSCManagerA")));
  auto close = reinterpret_cast<CloseFn>(reinterpret_cast<void*>(GetProcAddress(advapi, "CloseServiceHandle")));
  bool admin = false;
  if (open && close) {
    SC_HANDLE manager = open(nullptr, nullptr, GENERIC_READ | GENERIC_WRITE | GENERIC_EXECUTE);
    if (manager) {
      admin = true;
      close(manager);
    }
  }
  FreeLibrary(advapi);
  return admin;
}

}  // namespace xs
