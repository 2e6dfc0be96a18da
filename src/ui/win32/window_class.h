// The program's own window classes: each registered the first time it is
// asked for, with a procedure that hands the messages of a window to the
// object that made it.
#pragma once

#include <windows.h>

#include <string>

#include "ui/geometry.h"

namespace xs {

// Registers the class name (once per process) with proc, the arrow cursor
// and the system colour background as its background. False when the
// system refuses.
bool RegisterProgramClass(const char* name, WNDPROC proc, int background);

// A child control of parent at rect, in font; null when the system
// refuses it.
HWND CreateChild(HWND parent, DWORD ex_style, const char* class_name, const std::string& text, DWORD style,
                 const TXRect& rect, int id, HFONT font);

// Runs the thread's messages, with dialog's keyboard handling (Tab, Enter,
// Esc), until result is not 0, and returns it. When the program is ending
// the run ends as if closed (2), and the loop that runs the program still
// gets its quit.
int RunModalLoop(HWND dialog, int& result);

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
