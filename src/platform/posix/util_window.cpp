// Utility windows of the emulation (see window_table.h).
#include "platform/util_window.h"

#include <vector>

#include "platform/codepage.h"
#include "platform/posix/window_table.h"
#include "platform/window_messages.h"

namespace xs {

TWindowTable& WindowTable() {
  static TWindowTable& table = *new TWindowTable;  // outlives every window owner
  return table;
}

intptr_t DeliverMessage(WindowHandle wnd, uint32_t msg, uintptr_t wparam, intptr_t lparam) {
  if (wnd == kBroadcastWindow) {
    std::vector<WindowHandle> all;  // procedures may create or destroy windows
    for (const auto& [handle, window] : WindowTable().Windows) all.push_back(handle);
    for (WindowHandle handle : all) DeliverMessage(handle, msg, wparam, lparam);
    return 0;
  }
  auto it = WindowTable().Windows.find(wnd);
  if (it == WindowTable().Windows.end() || !it->second.Proc) return 0;
  TMessage m{msg, wparam, lparam, 0};
  WindowProc proc = it->second.Proc;  // the window may be destroyed while handling
  proc(m);
  return m.Result;
}

WindowHandle AllocateHWnd(WindowProc proc) {
  TWindowTable& t = WindowTable();
  WindowHandle wnd = t.Next;
  t.Next += 4;
  t.Windows[wnd] = TEmulatedWindow{std::move(proc), "TPUtilWindow", ""};
  return wnd;
}

void DeallocateHWnd(WindowHandle wnd) { WindowTable().Windows.erase(wnd); }

bool SetWindowCaption(WindowHandle wnd, const std::string& caption) {
  auto it = WindowTable().Windows.find(wnd);
  if (it == WindowTable().Windows.end()) return false;
  it->second.Caption = caption;
  return true;
}

intptr_t DefaultWindowProc(WindowHandle, const TMessage&) { return 0; }

intptr_t SendWindowMessage(WindowHandle wnd, uint32_t msg, uintptr_t wparam, intptr_t lparam) {
  return DeliverMessage(wnd, msg, wparam, lparam);
}

uint32_t RegisterWindowMessageName(const std::string& name) {
  // Names are atoms: letter case does not matter.
  std::string key = AnsiUpperCase(name);
  auto& messages = WindowTable().Messages;
  auto it = messages.find(key);
  if (it != messages.end()) return it->second;
  if (messages.size() >= 0x4000) return 0;
  uint32_t id = 0xC000 + static_cast<uint32_t>(messages.size());
  messages[key] = id;
  return id;
}

}  // namespace xs
