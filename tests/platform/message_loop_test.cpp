#include "platform/message_loop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace xs {
namespace {

TEST(MessageLoop, TimersRepeatUntilKilledAndMayKillThemselves) {
  int fast = 0;
  TimerId fast_id = 0;
  fast_id = StartWindowTimer(10, [&] {
    if (++fast == 3) KillWindowTimer(fast_id);
  });
  ASSERT_NE(fast_id, 0u);
  TimerId stop = StartWindowTimer(300, [] { QuitMessageLoop(); });
  RunMessageLoop();
  KillWindowTimer(stop);
  EXPECT_EQ(fast, 3);
}

TEST(MessageLoop, ShorterIntervalsFireFirst) {
  std::vector<std::string> order;
  TimerId a = 0, b = 0;
  a = StartWindowTimer(80, [&] {
    order.push_back("80");
    KillWindowTimer(a);
    QuitMessageLoop();
  });
  b = StartWindowTimer(20, [&] {
    order.push_back("20");
    KillWindowTimer(b);
  });
  RunMessageLoop();
  EXPECT_EQ(order, (std::vector<std::string>{"20", "80"}));
}

TEST(MessageLoop, ProcessMessagesReportsAQuit) {
  EXPECT_TRUE(ProcessMessages());
  QuitMessageLoop();
  EXPECT_FALSE(ProcessMessages());
  // The quit is still there for the loop, which returns at once.
  RunMessageLoop();
  EXPECT_TRUE(ProcessMessages());
}

TEST(MessageLoop, AnEmptyCallbackStartsNoTimer) { EXPECT_EQ(StartWindowTimer(10, nullptr), 0u); }

}  // namespace
}  // namespace xs
