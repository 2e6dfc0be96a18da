// Utility windows of the emulation: a table of handles whose messages are
// delivered by direct calls.
#include "platform/util_window.h"

#include <map>

namespace xs {

namespace {
struct WindowTable {
  std::map<WindowHandle, WindowProc> procs;
  WindowHandle next = 0x10000;
  std::map<std::string, uint32_t> messages;
};

WindowTable& Table() {
  static WindowTable& table = *new WindowTable;  // outlives every window owner
  return table;
}
}  // namespace

WindowHandle AllocateHWnd(WindowProc proc) {
  WindowTable& t = Table();
  WindowHandle wnd = t.next;
  t.next += 4;
  t.procs[wnd] = std::move(proc);
  return wnd;
}

void DeallocateHWnd(WindowHandle wnd) { Table().procs.erase(wnd); }

intptr_t DefaultWindowProc(WindowHandle, const TMessage&) { return 0; }

intptr_t SendWindowMessage(WindowHandle wnd, uint32_t msg, uintptr_t wparam, intptr_t lparam) {
  auto it = Table().procs.find(wnd);
  if (it == Table().procs.end() || !it->second) return 0;
  TMessage m{msg, wparam, lparam, 0};
  WindowProc proc = it->second;  // the window may be destroyed while handling
  proc(m);
  return m.Result;
}

uint32_t RegisterWindowMessageName(const std::string& name) {
  auto& messages = Table().messages;
  auto it = messages.find(name);
  if (it != messages.end()) return it->second;
  if (messages.size() >= 0x4000) return 0;
  uint32_t id = 0xC000 + static_cast<uint32_t>(messages.size());
  messages[name] = id;
  return id;
}

}  // namespace xs
