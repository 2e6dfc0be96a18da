#include "platform/process.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/command_line.h"
#include "platform/message_loop.h"
#include "platform/system_error.h"
#include "platform/system_info.h"
#include "platform/util_window.h"
#include "platform/window_messages.h"
#include "platform_fixture.h"

namespace xs {
namespace {

using Process = PlatformTest;

// Started by TheWaitLetsTheCallersMessagesThrough: a program that runs a
// little while.
TEST(ProcessChild, DISABLED_Sleeps) { std::this_thread::sleep_for(std::chrono::milliseconds(300)); }

// A command line that runs script in the system's shell.
std::string Shell(const std::string& script) {
#ifdef _WIN32
  return "\"" + SystemFolder() + "\\cmd.exe\" /c " + script;
#else
  return "/bin/sh -c \"" + script + "\"";
#endif
}

TEST_F(Process, WaitReturnsTheExitCode) {
  TProcess p;
  ASSERT_TRUE(p.Start(Shell("exit 3"), "", false)) << LastSystemError();
  EXPECT_TRUE(p.WaitForInputIdle(1000));
  EXPECT_EQ(p.Wait(nullptr), 3u);
  EXPECT_FALSE(p.Start(Shell("exit 0"), "", false));  // one program per object
}

TEST_F(Process, TheProgramRunsInTheWorkingFolder) {
  TProcess p;
  ASSERT_TRUE(p.Start(Shell("echo here> marker.txt"), Scratch(), true));
  EXPECT_EQ(p.Wait(nullptr), 0u);
  EXPECT_NE(ReadTextFile(Scratch("marker.txt")).find("here"), std::string::npos);
}

TEST_F(Process, ProgramsThatCannotStartAreReported) {
  TProcess missing;
  EXPECT_FALSE(missing.Start("\"" + Scratch("no such program.exe") + "\" /x", "", false));
  EXPECT_NE(LastSystemError(), 0);
  EXPECT_FALSE(missing.Wait(nullptr));
  TProcess bad_folder;
  EXPECT_FALSE(bad_folder.Start(Shell("exit 0"), Scratch("missing folder"), false));
}

// A planted program of that name in the current folder or on the search
// path must never be the one that runs.
TEST_F(Process, ProgramsWithoutTheirFullPathAreRefused) {
#ifdef _WIN32
  const char* lines[] = {"cmd.exe /c exit 0", "\"cmd.exe\" /c exit 0", "system32\\cmd.exe /c exit 0", "C:cmd.exe"};
#else
  const char* lines[] = {"sh -c \"exit 0\"", "\"sh\" -c \"exit 0\"", "bin/sh -c \"exit 0\""};
#endif
  for (const char* line : lines) {
    TProcess p;
    EXPECT_FALSE(p.Start(line, "", false)) << line;
    EXPECT_EQ(LastSystemError(), kErrPathNotFound) << line;
  }
}

TEST_F(Process, TheWaitLetsTheCallersMessagesThrough) {
  int delivered = 0;
  WindowHandle wnd = AllocateHWnd([&](TMessage& m) {
    if (m.Msg == 0x8123) ++delivered;
  });
  ASSERT_NE(wnd, 0u);
  TProcess p;
  ASSERT_TRUE(p.Start("\"" + ProgramFileName() + "\" --gtest_filter=ProcessChild.DISABLED_Sleeps "
                      "--gtest_also_run_disabled_tests",
                      "", false));
  ASSERT_TRUE(PostWindowMessage(wnd, 0x8123, 0, 0));
  int calls = 0;
  EXPECT_EQ(p.Wait([&] {
    ++calls;
    ProcessMessages();
  }),
            0u);
  EXPECT_GE(calls, 1);
  EXPECT_EQ(delivered, 1);
  DeallocateHWnd(wnd);
}

}  // namespace
}  // namespace xs
