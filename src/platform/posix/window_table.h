// The windows of the emulation: a table of this process's windows whose
// messages are delivered by direct calls.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "platform/util_window.h"

namespace xs {

struct TEmulatedWindow {
  WindowProc Proc;
  std::string ClassName;
  std::string Caption;
};

struct TWindowTable {
  std::map<WindowHandle, TEmulatedWindow> Windows;  // in creation order
  WindowHandle Next = 0x10000;
  std::map<std::string, uint32_t> Messages;         // by upper-cased name
};

// The table; lives until the process ends.
TWindowTable& WindowTable();

// Calls the window's procedure; 0 when there is no such window. The
// broadcast address calls every window's and returns 0.
intptr_t DeliverMessage(WindowHandle wnd, uint32_t msg, uintptr_t wparam, intptr_t lparam);

// Queues task to run from the next ProcessMessages or RunMessageLoop, in
// the order queued, as posted messages are (kept by the message loop).
void PostToMessageLoop(std::function<void()> task);

}  // namespace xs
