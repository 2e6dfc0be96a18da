#include "platform/util_window.h"

#include <gtest/gtest.h>

namespace xs {
namespace {

TEST(UtilWindow, MessagesReachTheWindowProcedure) {
  uint32_t seen = 0;
  WindowHandle wnd = AllocateHWnd([&](TMessage& m) {
    if (m.Msg == 0x8001) {
      seen = m.Msg;
      m.Result = static_cast<intptr_t>(m.WParam + m.LParam);
    }
  });
  ASSERT_NE(wnd, 0u);
  EXPECT_EQ(SendWindowMessage(wnd, 0x8001, 40, 2), 42);
  EXPECT_EQ(seen, 0x8001u);
  DeallocateHWnd(wnd);
}

TEST(UtilWindow, RegisteredMessagesAreStablePerName) {
  uint32_t a = RegisterWindowMessageName("QVMActivateApplication");
  uint32_t b = RegisterWindowMessageName("TaskbarCreated");
  EXPECT_GE(a, 0xC000u);
  EXPECT_NE(a, b);
  EXPECT_EQ(RegisterWindowMessageName("QVMActivateApplication"), a);
}

}  // namespace
}  // namespace xs
