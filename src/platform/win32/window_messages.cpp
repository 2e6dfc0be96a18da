#include "platform/window_messages.h"

#include <windows.h>

#include "platform/system_error.h"

namespace xs {

namespace {
BOOL CALLBACK Collect(HWND wnd, LPARAM list) {
  reinterpret_cast<std::vector<WindowHandle>*>(list)->push_back(reinterpret_cast<WindowHandle>(wnd));
  return TRUE;
}
}  // namespace

std::vector<TTopLevelWindow> EnumTopLevelWindows() {
  std::vector<WindowHandle> handles;
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&handles));
  std::vector<TTopLevelWindow> out;
  for (WindowHandle handle : handles) {
    HWND wnd = reinterpret_cast<HWND>(handle);
    char class_name[256] = {};
    // Captions may be long; the comparisons that use them are exact.
    std::string caption(static_cast<size_t>(GetWindowTextLengthA(wnd)) + 1, '\0');
    if (!GetClassNameA(wnd, class_name, sizeof class_name)) continue;  // gone meanwhile
    caption.resize(static_cast<size_t>(GetWindowTextA(wnd, caption.data(), static_cast<int>(caption.size()))));
    out.push_back(TTopLevelWindow{handle, class_name, caption});
  }
  SetLastSystemError(0);
  return out;
}

bool SendWindowMessageTimeout(WindowHandle wnd, uint32_t msg, uintptr_t wparam, intptr_t lparam,
                              uint32_t timeout_ms, intptr_t* result) {
  DWORD_PTR answer = 0;
  SetLastError(0);
  if (!SendMessageTimeoutA(reinterpret_cast<HWND>(wnd), msg, wparam, lparam, SMTO_NORMAL, timeout_ms, &answer)) {
    DWORD code = GetLastError();
    SetLastSystemError(code ? static_cast<int>(code) : ERROR_TIMEOUT);
    return false;
  }
  if (result) *result = static_cast<intptr_t>(answer);
  SetLastSystemError(0);
  return true;
}

bool PostWindowMessage(WindowHandle wnd, uint32_t msg, uintptr_t wparam, intptr_t lparam) {
  if (!PostMessageA(reinterpret_cast<HWND>(wnd), msg, wparam, lparam)) {
    SetLastSystemError(static_cast<int>(GetLastError()));
    return false;
  }
  SetLastSystemError(0);
  return true;
}

}  // namespace xs
