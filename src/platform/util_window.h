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
// On success the window's caption is caption (set by the system directly,
// without the window's procedure) and true is returned. On failure (no such
// window) returns false.
bool SetWindowCaption(WindowHandle wnd, const std::string& caption);
// The system's default handling of a message sent to wnd.
intptr_t DefaultWindowProc(WindowHandle wnd, const TMessage& message);
// Delivers a message to a window synchronously; returns its result (0 when
// there is no such window). kBroadcastWindow (window_messages.h) reaches
// every top-level window and returns 0.
intptr_t SendWindowMessage(WindowHandle wnd, uint32_t msg, uintptr_t wparam, intptr_t lparam);

// A message number unique to name within the session (0xC000..0xFFFF),
// letter case ignored. On failure returns 0.
uint32_t RegisterWindowMessageName(const std::string& name);
}  // namespace xs
