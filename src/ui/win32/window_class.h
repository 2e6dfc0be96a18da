// The program's own window classes: each registered the first time it is
// asked for, with a procedure that hands the messages of a window to the
// object that made it.
#pragma once

#include <windows.h>

namespace xs {

// Registers the class name (once per process) with proc, the arrow cursor
// and the system colour background as its background. False when the
// system refuses.
bool RegisterProgramClass(const char* name, WNDPROC proc, int background);

// The procedure of a class whose windows belong to objects of T: the
// object comes as CreateWindowEx's last argument, and once T::Handle()
// holds the window, T::WindowMessage gets its messages (befriend this).
template <class T>
LRESULT CALLBACK ObjectWindowProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<T*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
    SetWindowLongPtrA(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<T*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
  if (!self || !self->Handle()) return DefWindowProcA(wnd, msg, wparam, lparam);
  return self->WindowMessage(msg, wparam, lparam);
}

}  // namespace xs
