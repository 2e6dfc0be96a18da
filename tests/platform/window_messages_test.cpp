#include "platform/window_messages.h"

#include <gtest/gtest.h>

#include "platform/message_loop.h"
#include "platform/system_error.h"
#include "platform_fixture.h"

namespace xs {
namespace {

// A utility window with a caption of its own that records what reaches it.
class WindowMessages : public testing::Test {
 protected:
  void SetUp() override {
    caption_ = UniqueName("xs-window");
    wnd_ = AllocateHWnd([this](TMessage& m) {
      if (m.Msg == message_) {
        received_.push_back(m.WParam);
        m.Result = static_cast<intptr_t>(m.WParam * 2);
      } else {
        m.Result = DefaultWindowProc(wnd_, m);
      }
    });
    ASSERT_NE(wnd_, 0u);
    ASSERT_TRUE(SetWindowCaption(wnd_, caption_));
  }
  void TearDown() override { DeallocateHWnd(wnd_); }

  WindowHandle wnd_ = 0;
  std::string caption_;
  uint32_t message_ = RegisterWindowMessageName("XSetupTestMessage");
  std::vector<uintptr_t> received_;
};

TEST_F(WindowMessages, UtilityWindowsAreFoundByClassAndCaption) {
  int found = 0;
  for (const TTopLevelWindow& w : EnumTopLevelWindows())
    if (w.ClassName == "TPUtilWindow" && w.Caption == caption_) {
      EXPECT_EQ(w.Handle, wnd_);
      ++found;
    }
  EXPECT_EQ(found, 1);
}

TEST_F(WindowMessages, SendWithTimeoutReturnsTheAnswer) {
  intptr_t answer = 0;
  ASSERT_TRUE(SendWindowMessageTimeout(wnd_, message_, 21, 0, 5000, &answer));
  EXPECT_EQ(answer, 42);
  EXPECT_EQ(received_, std::vector<uintptr_t>{21});
  EXPECT_FALSE(SendWindowMessageTimeout(wnd_ + 0x100000, message_, 1, 0, 100, nullptr));
}

TEST_F(WindowMessages, PostedMessagesArriveFromTheMessageLoop) {
  ASSERT_TRUE(PostWindowMessage(wnd_, message_, 7, 0));
  EXPECT_TRUE(received_.empty());  // not yet: it waits in the queue
  ProcessMessages();
  EXPECT_EQ(received_, std::vector<uintptr_t>{7});
  EXPECT_FALSE(PostWindowMessage(wnd_ + 0x100000, message_, 1, 0));
}

TEST_F(WindowMessages, BroadcastsReachEveryTopLevelWindow) {
  ASSERT_TRUE(SendWindowMessageTimeout(kBroadcastWindow, message_, 1, 0, 5000, nullptr));
  SendWindowMessage(kBroadcastWindow, message_, 2, 0);
  ASSERT_TRUE(PostWindowMessage(kBroadcastWindow, message_, 3, 0));
  ProcessMessages();
  EXPECT_EQ(received_, (std::vector<uintptr_t>{1, 2, 3}));
}

TEST_F(WindowMessages, RegisteredNamesIgnoreLetterCase) {
  EXPECT_EQ(RegisterWindowMessageName("xsetuptestmessage"), message_);
  EXPECT_NE(RegisterWindowMessageName("XSetupOtherMessage"), message_);
}

}  // namespace
}  // namespace xs
