#include "platform/system_info.h"

#include <windows.h>

#include "platform/system_error.h"

namespace xs {

namespace {
// Calls fill(buffer, size) -> length, growing the buffer while the system
// asks for more; empty when fill reports 0.
template <typename Fill>
std::string GrowingCall(Fill fill) {
  std::string buffer(MAX_PATH, '\0');
  for (int tries = 0; tries < 4; ++tries) {
    DWORD n = fill(buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) {
      SetLastSystemError(static_cast<int>(GetLastError()));
      return {};
    }
    if (n < buffer.size()) {
      buffer.resize(n);
      SetLastSystemError(0);
      return buffer;
    }
    buffer.resize(n + 1);
  }
  SetLastSystemError(ERROR_INSUFFICIENT_BUFFER);
  return {};
}
}  // namespace

std::string TempFolder() {
  return GrowingCall([](char* b, DWORD n) { return GetTempPathA(n, b); });
}

std::string WindowsFolder() {
  return GrowingCall([](char* b, DWORD n) { return GetWindowsDirectoryA(b, n); });
}

std::string SystemFolder() {
  return GrowingCall([](char* b, DWORD n) { return GetSystemDirectoryA(b, n); });
}

std::string LogonUserName() {
  char name[257];
  DWORD size = sizeof name;
  if (!GetUserNameA(name, &size)) {
    SetLastSystemError(static_cast<int>(GetLastError()));
    return {};
  }
  SetLastSystemError(0);
  return name;
}

std::string ComputerName() {
  char name[MAX_COMPUTERNAME_LENGTH + 1];
  DWORD size = sizeof name;
  if (!GetComputerNameA(name, &size)) {
    SetLastSystemError(static_cast<int>(GetLastError()));
    return {};
  }
  SetLastSystemError(0);
  return std::string(name, size);
}

std::string ShortPathName(const std::string& path) {
  return GrowingCall([&](char* b, DWORD n) { return GetShortPathNameA(path.c_str(), b, n); });
}

std::string ExpandEnvironment(const std::string& text) {
  // The count includes the terminating zero.
  std::string buffer(text.size() + MAX_PATH, '\0');
  for (int tries = 0; tries < 4; ++tries) {
    DWORD n = ExpandEnvironmentStringsA(text.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) {
      SetLastSystemError(static_cast<int>(GetLastError()));
      return text;
    }
    if (n <= buffer.size()) {
      buffer.resize(n - 1);
      SetLastSystemError(0);
      return buffer;
    }
    buffer.resize(n);
  }
  return text;
}

std::optional<std::string> EnvironmentVariable(const std::string& name) {
  std::string buffer(256, '\0');
  for (int tries = 0; tries < 4; ++tries) {
    SetLastError(0);
    DWORD n = GetEnvironmentVariableA(name.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) {
      DWORD code = GetLastError();
      SetLastSystemError(static_cast<int>(code));
      if (code == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
      return std::string();
    }
    if (n < buffer.size()) {
      buffer.resize(n);
      SetLastSystemError(0);
      return buffer;
    }
    buffer.resize(n);
  }
  return std::nullopt;
}

bool IsWinXPOrLater() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExA(&version)) return false;
#pragma GCC diagnostic pop
  return version.dwPlatformId == VER_PLATFORM_WIN32_NT &&
         (version.dwMajorVersion > 5 || (version.dwMajorVersion == 5 && version.dwMinorVersion >= 1));
}

}  // namespace xs
