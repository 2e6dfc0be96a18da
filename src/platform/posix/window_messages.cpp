// Messages between the emulation's windows (see window_table.h): sends are
// direct calls that never time out, posts wait in the message loop's queue.
#include "platform/window_messages.h"

#include "platform/posix/window_table.h"
#include "platform/system_error.h"

namespace xs {

namespace {
bool Known(WindowHandle wnd) { return wnd == kBroadcastWindow || WindowTable().Windows.count(wnd) > 0; }
}  // namespace

std::vector<TTopLevelWindow> EnumTopLevelWindows() {
  std::vector<TTopLevelWindow> out;
  for (const auto& [handle, window] : WindowTable().Windows)
    out.push_back(TTopLevelWindow{handle, window.ClassName, window.Caption});
  SetLastSystemError(0);
  return out;
}

bool SendWindowMessageTimeout(WindowHandle wnd, uint32_t msg, uintptr_t wparam, intptr_t lparam, uint32_t,
                              intptr_t* result) {
  if (!Known(wnd)) {
    SetLastSystemError(kErrInvalidHandle);
    return false;
  }
  intptr_t answer = DeliverMessage(wnd, msg, wparam, lparam);
  if (result) *result = answer;
  SetLastSystemError(0);
  return true;
}

bool PostWindowMessage(WindowHandle wnd, uint32_t msg, uintptr_t wparam, intptr_t lparam) {
  if (!Known(wnd)) {
    SetLastSystemError(kErrInvalidHandle);
    return false;
  }
  PostToMessageLoop([=] { DeliverMessage(wnd, msg, wparam, lparam); });
  SetLastSystemError(0);
  return true;
}

}  // namespace xs
