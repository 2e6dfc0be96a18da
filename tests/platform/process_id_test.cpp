// Waiting for a process known only by its id, as a program's copy waits for
// the program that started it.
#include "platform/process_id.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "base/convert.h"
#include "platform/command_line.h"
#include "platform/process.h"
#include "platform/system_info.h"
#include "platform_fixture.h"

namespace xs {
namespace {

constexpr char kPidFileVariable[] = "XS_TEST_PID_FILE";

// Started by WaitsUntilTheProcessEnds: tells its id, then runs a while.
TEST(ProcessIdChild, DISABLED_TellsItsIdAndSleeps) {
  ASSERT_TRUE(WriteTextFile(EnvironmentVariable(kPidFileVariable).value_or(""), std::to_string(CurrentProcessId())));
  std::this_thread::sleep_for(std::chrono::seconds(3));
}

using ProcessId = PlatformTest;

TEST_F(ProcessId, WaitsUntilTheProcessEnds) {
  const std::string pid_file = Scratch("pid.txt");
  SetTestVariable(kPidFileVariable, pid_file);
  TProcess child;
  ASSERT_TRUE(child.Start("\"" + ProgramFileName() +
                              "\" --gtest_filter=ProcessIdChild.DISABLED_TellsItsIdAndSleeps --gtest_also_run_disabled_tests",
                          "", false));
  std::optional<int32_t> pid;
  for (int i = 0; i < 3000 && !(pid = TryStrToInt(ReadTextFile(pid_file))); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  ASSERT_TRUE(pid);
  const uint32_t id = static_cast<uint32_t>(*pid);
  EXPECT_NE(id, CurrentProcessId());

  EXPECT_FALSE(WaitForProcessEnd(id, 0)) << "it sleeps still";
  // Ended, and on POSIX not yet reaped by this process, its parent.
  EXPECT_TRUE(WaitForProcessEnd(id, 60000));
  EXPECT_EQ(child.Wait(nullptr), 0u);
  EXPECT_TRUE(WaitForProcessEnd(id, 0)) << "gone for good";
}

}  // namespace
}  // namespace xs
