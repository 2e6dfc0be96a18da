// Finding top-level windows and sending or posting them messages.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/util_window.h"

namespace xs {

// The address that reaches every top-level window at once.
inline constexpr WindowHandle kBroadcastWindow = 0xFFFF;

struct TTopLevelWindow {
  WindowHandle Handle = 0;
  std::string ClassName;
  std::string Caption;
};

// Every top-level window of the session, in the system's order, with its
// class name and caption (a window of this process answers the caption
// through its own procedure). The POSIX emulation lists this process's
// utility windows.
std::vector<TTopLevelWindow> EnumTopLevelWindows();

// Sends the message and waits at most timeout_ms for the window to handle
// it (normal flags: the caller does not answer other sends meanwhile). On
// success returns true with the window's answer in result (may be null).
// On failure (a timeout, no such window) returns false with the error
// number set. With kBroadcastWindow every top-level window gets it.
bool SendWindowMessageTimeout(WindowHandle wnd, uint32_t msg, uintptr_t wparam, intptr_t lparam,
                              uint32_t timeout_ms, intptr_t* result);

// Puts the message in the window's queue and returns at once. On success
// returns true. On failure (no such window, a full queue) returns false with
// the error number set. With kBroadcastWindow every top-level window gets
// it. The emulation delivers it from ProcessMessages or RunMessageLoop.
bool PostWindowMessage(WindowHandle wnd, uint32_t msg, uintptr_t wparam, intptr_t lparam);

}  // namespace xs
