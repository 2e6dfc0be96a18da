// Window timers and the message loop of the user-interface thread.
#include "platform/message_loop.h"

#include <windows.h>

#include <map>

namespace xs {

namespace {
std::map<TimerId, std::function<void()>>& Callbacks() {
  // Never destroyed: timer owners may outlive static destruction.
  static auto& callbacks = *new std::map<TimerId, std::function<void()>>;
  return callbacks;
}

void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
  auto it = Callbacks().find(id);
  if (it == Callbacks().end()) return;
  std::function<void()> callback = it->second;  // may kill its own timer
  callback();
}
}  // namespace

TimerId StartWindowTimer(uint32_t interval_ms, std::function<void()> callback) {
  if (!callback) return 0;
  UINT_PTR id = SetTimer(nullptr, 0, interval_ms, OnTimer);
  if (id) Callbacks()[id] = std::move(callback);
  return id;
}

void KillWindowTimer(TimerId id) {
  if (Callbacks().erase(id)) KillTimer(nullptr, id);
}

void RunMessageLoop() {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

void QuitMessageLoop() { PostQuitMessage(0); }

bool ProcessMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // leave it for the loop
      return false;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return true;
}

}  // namespace xs
