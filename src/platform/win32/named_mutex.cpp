#include "platform/named_mutex.h"

#include <windows.h>

#include "platform/system_error.h"

namespace xs {

bool NamedMutexExists(const std::string& name) {
  HANDLE h = OpenMutexA(SYNCHRONIZE, FALSE, name.c_str());
  if (!h) {
    SetLastSystemError(static_cast<int>(GetLastError()));
    return false;
  }
  CloseHandle(h);
  SetLastSystemError(0);
  return true;
}

TNamedMutex::~TNamedMutex() {
  if (handle_ != -1) CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

bool TNamedMutex::Create(const std::string& name) {
  if (handle_ != -1) {
    SetLastSystemError(ERROR_INVALID_PARAMETER);
    return false;
  }
  HANDLE h = CreateMutexA(nullptr, FALSE, name.c_str());
  if (!h) {
    SetLastSystemError(static_cast<int>(GetLastError()));
    return false;
  }
  handle_ = reinterpret_cast<intptr_t>(h);
  SetLastSystemError(0);
  return true;
}

}  // namespace xs
