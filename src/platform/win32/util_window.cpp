#include "platform/util_window.h"

#include <windows.h>

namespace xs {

namespace {
const char kClassName[] = "TPUtilWindow";

LRESULT CALLBACK UtilWndProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  auto* proc = reinterpret_cast<WindowProc*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
  if (!proc || !*proc) return DefWindowProcA(wnd, msg, wparam, lparam);
  TMessage m{msg, wparam, lparam, 0};
  WindowProc keep = *proc;  // the window may be destroyed while handling
  keep(m);
  return m.Result;
}

bool RegisterUtilClass() {
  static const bool registered = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = UtilWndProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kClassName;
    return RegisterClassA(&wc) != 0;
  }();
  return registered;
}
}  // namespace

WindowHandle AllocateHWnd(WindowProc proc) {
  if (!RegisterUtilClass()) return 0;
  HWND wnd = CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
  if (!wnd) return 0;
  // Never on the taskbar.
  LONG_PTR ex = GetWindowLongPtrA(wnd, GWL_EXSTYLE);
  SetWindowLongPtrA(wnd, GWL_EXSTYLE, (ex & ~WS_EX_APPWINDOW) | WS_EX_TOOLWINDOW);
  SetWindowLongPtrA(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new WindowProc(std::move(proc))));
  return reinterpret_cast<WindowHandle>(wnd);
}

void DeallocateHWnd(WindowHandle handle) {
  HWND wnd = reinterpret_cast<HWND>(handle);
  if (!wnd) return;
  auto* proc = reinterpret_cast<WindowProc*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
  SetWindowLongPtrA(wnd, GWLP_USERDATA, 0);
  DestroyWindow(wnd);
  delete proc;
}

bool SetWindowCaption(WindowHandle wnd, const std::string& caption) {
  return IsWindow(reinterpret_cast<HWND>(wnd)) &&
         DefWindowProcA(reinterpret_cast<HWND>(wnd), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(caption.c_str()));
}

intptr_t DefaultWindowProc(WindowHandle wnd, const TMessage& m) {
  return DefWindowProcA(reinterpret_cast<HWND>(wnd), m.Msg, m.WParam, m.LParam);
}

intptr_t SendWindowMessage(WindowHandle wnd, uint32_t msg, uintptr_t wparam, intptr_t lparam) {
  return SendMessageA(reinterpret_cast<HWND>(wnd), msg, wparam, lparam);
}

uint32_t RegisterWindowMessageName(const std::string& name) { return RegisterWindowMessageA(name.c_str()); }

}  // namespace xs
