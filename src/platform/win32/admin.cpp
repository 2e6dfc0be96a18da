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
  // advapi32 is one of the program's imports, so no DLL is looked for here.
  bool admin = false;
  if (SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, GENERIC_READ | GENERIC_WRITE | GENERIC_EXECUTE)) {
    admin = true;
    CloseServiceHandle(manager);
  }
  return admin;
}

}  // namespace xs
