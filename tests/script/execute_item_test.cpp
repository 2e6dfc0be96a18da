// Running a program from the script: the install waits for it, the window
// stays responsive meanwhile, and the working folder defaults to the
// program's own.
#include <chrono>
#include <memory>
#include <thread>

#include "base/convert.h"
#include "base/error.h"
#include "base/text.h"
#include "platform/command_line.h"
#include "platform/file_system.h"
#include "platform/message_loop.h"
#include "platform/platform_fixture.h"
#include "platform/system_info.h"
#include "platform/util_window.h"
#include "platform/window_messages.h"
#include "script/file_items.h"
#include "script_fixture.h"

#ifndef _WIN32
#include <filesystem>
#endif

namespace xs {
namespace {

// Started by the tests below: ends a while after it starts, leaving a
// marker in its working folder.
TEST(RunProgramChild, DISABLED_WritesMarkerLate) {
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  WriteTextFile("marker.txt", "done");
}

using ExecuteItemTest = ScriptMachineTest;

TEST_F(ExecuteItemTest, TheInstallWaitsForTheProgramAndStaysResponsive) {
  int delivered = 0;
  WindowHandle wnd = AllocateHWnd([&](TMessage& m) {
    if (m.Msg == 0x8124) ++delivered;
  });
  ASSERT_NE(wnd, 0u);
  ASSERT_TRUE(PostWindowMessage(wnd, 0x8124, 0, 0));

  TXUIExecuteItem item;
  item.FileName = ProgramFileName();
  item.Parameters = "--gtest_filter=RunProgramChild.DISABLED_WritesMarkerLate --gtest_also_run_disabled_tests";
  item.WorkingFolder = Scratch();
  item.RunMinimized = true;
  item.SaveUndo = true;
  std::unique_ptr<TXUICustomItem> undo;
  EXPECT_TRUE(item.Execute(undo));
  EXPECT_EQ(ReadTextFile(Scratch("marker.txt")), "done") << "Execute returned before the program ended";
  EXPECT_EQ(delivered, 1) << "the wait let the window's messages through";
  EXPECT_EQ(undo, nullptr);
  DeallocateHWnd(wnd);
}

// The system's shell, and parameters that make it run script.
#ifdef _WIN32
const std::string kShell = SystemFolder() + "\\cmd.exe";
std::string ShellParameters(const std::string& script) { return "/c " + script; }
#else
const std::string kShell = "/bin/sh";
std::string ShellParameters(const std::string& script) { return "-c \"" + script + "\""; }
#endif

TEST_F(ExecuteItemTest, TheExitCodeDoesNotCount) {
  TXUIExecuteItem item;
  item.FileName = kShell;
  item.Parameters = ShellParameters("exit 3");
  std::unique_ptr<TXUICustomItem> undo;
  EXPECT_TRUE(item.Execute(undo));
}

TEST_F(ExecuteItemTest, TheWorkingFolderIsTheProgramsFolderUnlessGiven) {
  TXUIExecuteItem item;
  item.FileName = kShell;
#ifdef _WIN32
  item.Parameters = ShellParameters("cd > \"" + Scratch("cwd.txt") + "\"");
#else
  item.Parameters = ShellParameters("pwd -P > '" + Scratch("cwd.txt") + "'");
#endif
  std::unique_ptr<TXUICustomItem> undo;
  ASSERT_TRUE(item.Execute(undo));
  std::string expected = ExtractFilePath(kShell);
  expected.pop_back();
#ifndef _WIN32
  expected = std::filesystem::canonical(expected).string();
#endif
  EXPECT_TRUE(SameText(Trim(ReadTextFile(Scratch("cwd.txt"))), expected)) << ReadTextFile(Scratch("cwd.txt"));

  item.WorkingFolder = Scratch("work");
  ASSERT_TRUE(ForceFolders(item.WorkingFolder));
  ASSERT_TRUE(item.Execute(undo));
  expected = item.WorkingFolder;
#ifndef _WIN32
  expected = std::filesystem::canonical(expected).string();
#endif
  EXPECT_TRUE(SameText(Trim(ReadTextFile(Scratch("cwd.txt"))), expected)) << ReadTextFile(Scratch("cwd.txt"));
}

TEST_F(ExecuteItemTest, AProgramThatCannotStartFailsSilently) {
  TXUIExecuteItem item;
  item.FileName = Scratch("no such program.exe");
  std::unique_ptr<TXUICustomItem> undo;
  XError().SetError(errGeneral);
  EXPECT_FALSE(item.Execute(undo));
  EXPECT_EQ(XError().GetCode(), 0);

  item.FileName = kShell;
  item.WorkingFolder = Scratch("missing folder");
  EXPECT_FALSE(item.Execute(undo));
}

}  // namespace
}  // namespace xs
