#include "platform/system_params.h"

#include <gtest/gtest.h>

#include "platform/shell_notify.h"

namespace xs {
namespace {

TEST(SystemParameters, AHarmlessChangeIsAccepted) {
  // SPI_SETBEEP with "on", the default; for this session only.
  EXPECT_TRUE(ChangeSystemParameter(0x2, 1, 0));
}

TEST(ShellNotify, NotificationsWithAndWithoutPathsAreTaken) {
  NotifyShellChange(shcneAssocChanged, shcnfIdList);
  NotifyShellChange(shcneUpdateDir, shcnfPath | shcnfFlush, "C:\\");
}

}  // namespace
}  // namespace xs
