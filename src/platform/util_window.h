// Hidden utility windows: message targets that never show on screen or on
// the taskbar.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace xs {

using WindowHandle = uintptr_t;

struct TMessage {
  uint32_t Msg = 0;
  uintptr_t WParam = 0;
  intptr_t LParam = 0;
  intptr_t Result = 0;
};

using WindowProc = std::function<void(TMessage&)>;

// Creates a hidden tool window of class "TPUtilWindow" whose messages go to
// proc. On success returns its handle. On failure returns 0.
WindowHandle AllocateHWnd(WindowProc proc);
void DeallocateHWnd(WindowHandle wnd);
// The system's default handling of a message sent to wnd.
intptr_t DefaultWindowProc(WindowHandle wnd, const TMessage& message);
// Delivers a message to a window synchronously; returns its result.
intptr_t SendWindowMessage(WindowHandle wnd, uint32_t msg, uintptr_t wparam, intptr_t lparam);

}  // namespace xs

namespace xs {
// A message number unique to name within the session (0xC000..0xFFFF).
// On failure returns 0.
uint32_t RegisterWindowMessageName(const std::string& name);
}  // namespace xs
