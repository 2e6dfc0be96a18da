// The uninstall program: the command line that restarts it from its copy,
// the copy's removal of itself, its exit codes, and (POSIX) a whole run of
// the built program, original and copy, against the emulation.
#include "uninstall/uninstall_program.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <unistd.h>
#endif

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/parameters.h"
#include "engine/install_filer.h"
#include "package/filer.h"
#include "platform/command_line.h"
#include "platform/emulation.h"
#include "platform/file_system.h"
#include "platform/process.h"
#include "platform/system_info.h"
#include "platform/temp_folder.h"
#include "script/file_items.h"
#include "script/file_items_fixture.h"
#include "script/item_factory.h"
#include "script/undo.h"
#include "ui/progress_window.h"
#include "uninstall/uninstall_filer.h"

namespace xs {
namespace {

// The copy must find the wait switch, and every switch of the original with
// the value it had, however the original's arguments are quoted.
TEST(RestartCommandLine, KeepsTheArgumentsAndPutsTheWaitSwitchWhereNoneCanSwallowIt) {
  const std::string copy = "C:\\Users\\u\\Temp\\~xs00ff.tmp\\uninst.exe";
  const char* lines[] = {
      "uninst.exe /file:\"C:\\Program Files\\App\\app.xui\" /silent",
      "\"C:\\Program Files\\App\\uninst.exe\" /file:\"C:\\A B\\app.xui\" /log:\"C:\\l o g.txt\" /lg:7",
      "\"C:\\Program Files\\App\\uninst.exe\"",
      "C:\\App\\uninst.exe\t/silent\t/file:C:\\App\\app.xui",
      "uninst.exe /file:\"C:\\A B\\app.xui /silent",  // the quote is never closed
      "\"C:\\App\\uninst.exe /file:C:\\app.xui",      // nor here, in the program's name
  };
  for (const char* line : lines) {
    SCOPED_TRACE(line);
    const std::string restart = RestartCommandLine(line, copy, 4242);
    TXParameters original, restarted;
    original.ParseCommandLine(line);
    restarted.ParseCommandLine(restart);
    EXPECT_EQ(restarted[0], copy);
    EXPECT_EQ(restarted.SwitchValue(kWaitSwitch), "4242");
    for (const char* name : {"/file:", "/log:", "/lg:"}) EXPECT_EQ(restarted.SwitchValue(name), original.SwitchValue(name));
    EXPECT_EQ(restarted.HasSwitch("/silent"), original.HasSwitch("/silent"));
  }
}

// Run by the Wine test of uninst.exe (tests/wine/uninst_test.sh): in the
// folder XS_UNINST_TEST_DIR, the folder App with a file, and the log
// app.xui that removes the folder, the file, App\uninst.exe (which the
// test puts there) and itself.
TEST(UninstallProgramOutside, DISABLED_WritesALog) {
  const std::optional<std::string> dir = EnvironmentVariable("XS_UNINST_TEST_DIR");
  ASSERT_TRUE(dir);
  const std::string app = *dir + kPathDelim + "App", log_file = *dir + kPathDelim + "app.xui";
  ASSERT_TRUE(ForceFolders(app));
  ASSERT_TRUE(WriteTextFile(app + kPathDelim + "tool.txt", "tool"));
  TXUndo log;
  log.AppItems.First()->Title = "Uninstall Test";
  log.AppItems.First()->Folder = app;
  log.AddItem(NewDelFolderItem(eoShow, app));
  log.AddItem(NewDelFileItem(eoShow, app + kPathDelim + "uninst.exe"));
  log.AddItem(NewDelFileItem(eoShow, app + kPathDelim + "tool.txt"));
  log.AddItem(NewDelFileItem(eoIgnore, log_file));
  ASSERT_TRUE(SaveNewFileWith(log_file, FilerClass<TXUninstallFiler>, &log, false, nullptr));
}

class UninstallProgramTest : public FileItemsTest {
 protected:
  // A file in a new folder of CreateTempFolder's, as the original leaves it.
  std::string MakeCopy() {
    const std::string folder = CreateTempFolder();
    EXPECT_FALSE(folder.empty());
    EXPECT_TRUE(WriteTextFile(folder + "uninst.exe", "program"));
    return folder + "uninst.exe";
  }
};

TEST_F(UninstallProgramTest, TheCopyRemovesItselfOnlyFromItsTemporaryFolder) {
  const std::string copy = MakeCopy();
  RemoveProgramCopy(copy);
  EXPECT_FALSE(FileExists(copy));
  EXPECT_FALSE(FolderExists(ExtractFilePath(copy)));

  // Not removed: a program elsewhere, and one in a temporary folder of another name.
  ASSERT_TRUE(ForceFolders(Scratch("App")));
  ASSERT_TRUE(ForceFolders(TempFolder() + "Other"));
  for (const std::string& program : {Scratch("App") + kPathDelim + "uninst.exe", TempFolder() + "Other" + kPathDelim + "uninst.exe"}) {
    SCOPED_TRACE(program);
    ASSERT_TRUE(WriteTextFile(program, "program"));
    RemoveProgramCopy(program);
    EXPECT_TRUE(FileExists(program));
  }
  RemoveFile(TempFolder() + "Other" + kPathDelim + "uninst.exe");
  RemoveFolder(TempFolder() + "Other");
}

#ifndef _WIN32
TEST_F(UninstallProgramTest, WhatCannotGoNowGoesAtTheNextRestartFileBeforeFolder) {
  const std::string copy = MakeCopy();
  ASSERT_TRUE(SetFileAttr(copy, faReadOnly));
  ClearEmulationRecords();
  RemoveProgramCopy(copy);
  const std::string folder = ExtractFilePath(copy);
  EXPECT_EQ(RecordedRestartDeletes(), (std::vector<std::string>{copy, folder.substr(0, folder.size() - 1)}));
  SetFileAttr(copy, faNormal);
  RemoveProgramCopy(copy);
}

// What a progress window was shown: its caption, each update, and how many
// messages had been shown when it closed.
struct TShownProgress {
  std::string caption;
  std::vector<std::pair<int, std::string>> updates;
  int messages_when_closed = -1;
};

// The program's runs in this process, on command lines set for them, with
// their progress windows recorded.
class UninstallRunTest : public UninstallProgramTest {
 protected:
  class RecordedProgress : public TXProgressView {
   public:
    RecordedProgress(TShownProgress& shown, const std::vector<TShownMessage>& messages)
        : shown_(shown), messages_(messages) {}
    ~RecordedProgress() override { shown_.messages_when_closed = static_cast<int>(messages_.size()); }
    void Update(int position, const std::string& text) override { shown_.updates.emplace_back(position, text); }

   private:
    TShownProgress& shown_;
    const std::vector<TShownMessage>& messages_;
  };

  void SetUp() override {
    UninstallProgramTest::SetUp();
    SetProgressWindowFunc([this](const std::string& caption) {
      progress_.push_back(std::make_unique<TShownProgress>());
      progress_.back()->caption = caption;
      return std::make_unique<RecordedProgress>(*progress_.back(), shown_);
    });
  }
  void TearDown() override {
    SetProgressWindowFunc(nullptr);
    SetProcessArguments(0, nullptr);
    UninstallProgramTest::TearDown();
  }

  int Run(std::vector<std::string> args) {
    args.insert(args.begin(), "uninst");
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    SetProcessArguments(static_cast<int>(argv.size()), argv.data());
    return RunUninstallProgram();
  }

  // A log of "Tool" that removes the folder App, its file and itself.
  void WriteLog() {
    log_ = Scratch("tool.xui");
    ASSERT_TRUE(ForceFolders(Scratch("App")));
    ASSERT_TRUE(WriteTextFile(Scratch("App") + kPathDelim + "tool.exe", "tool"));
    TXUndo log;
    TXUIAppItem* app = log.AppItems.First();
    app->Title = "Tool";
    app->LgID = 9;
    app->Folder = Scratch("App");
    log.AddItem(NewDelFolderItem(eoShow, Scratch("App")));
    log.AddItem(NewDelFileItem(eoShow, Scratch("App") + kPathDelim + "tool.exe"));
    log.AddItem(NewDelFileItem(eoIgnore, log_));
    ASSERT_TRUE(SaveNewFileWith(log_, FilerClass<TXUninstallFiler>, &log, false, nullptr));
  }

  // Started as the copy; no process has that id.
  const std::string as_copy_ = std::string(kWaitSwitch) + "2147483646";
  std::string log_;  // set by WriteLog
  std::vector<std::unique_ptr<TShownProgress>> progress_;
};

TEST_F(UninstallRunTest, TheOriginalChangesNothingWithoutALogOrAgreement) {
  WriteLog();
  ASSERT_TRUE(WriteTextFile(Scratch("damaged.xui"), "XQ no log"));
  struct Case {
    std::vector<std::string> args;
    std::vector<int> answers;  // the questions the run asks, answered so
    int code;
  } cases[] = {
      {{"/silent"}, {}, kExitIncomplete},
      {{}, {}, kExitIncomplete},
      {{"/silent", "/file:" + Scratch("missing.xui")}, {}, errFileMissing},
      {{"/file:" + Scratch("missing.xui")}, {mrOK}, errFileMissing},  // the log error
      {{"/silent", "/file:" + Scratch("damaged.xui")}, {}, errPastEnd},  // the load's own code
      {{"/file:" + log_}, {mrNo}, kExitCancelled},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.empty() ? "" : c.args.back());
    shown_.clear();
    AnswerMessages(c.answers);
    EXPECT_EQ(Run(c.args), c.code);
    EXPECT_EQ(shown_.size(), c.answers.size());
    EXPECT_TRUE(FileExists(log_));
    EXPECT_TRUE(FileExists(Scratch("App") + kPathDelim + "tool.exe"));
    EXPECT_TRUE(TempFilesIn(TempFolder()).empty()) << "no copy was made";
  }
  EXPECT_TRUE(progress_.empty()) << "the original only asks";
}

TEST_F(UninstallRunTest, TheCopyUninstallsAndReportsUnlessSilent) {
  for (bool silent : {false, true}) {
    SCOPED_TRACE(silent);
    WriteLog();
    shown_.clear();
    progress_.clear();
    if (!silent) AnswerMessages({mrOK});
    std::vector<std::string> args = {as_copy_, "/file:" + log_};
    if (silent) args.push_back("/silent");
    EXPECT_EQ(Run(args), kExitUninstalled);
    EXPECT_FALSE(FolderExists(Scratch("App")));
    EXPECT_FALSE(FileExists(log_));
    ASSERT_EQ(shown_.size(), silent ? 0u : 1u) << "the copy asks nothing: the original did";
    if (!silent) {
      EXPECT_EQ(shown_[0].text, "Tool was removed from this computer.");
      EXPECT_EQ(shown_[0].icon, IconInformation);
    }
    // The walk shows each record as it is reversed, last first, up to the
    // whole; the window is gone before the result shows.
    ASSERT_EQ(progress_.size(), silent ? 0u : 1u);
    if (silent) continue;
    const TShownProgress& window = *progress_[0];
    EXPECT_EQ(window.caption, "Tool");
    std::vector<std::string> texts;
    for (const auto& [position, text] : window.updates)
      if (!text.empty()) texts.push_back(text);
    EXPECT_EQ(texts, (std::vector<std::string>{log_, Scratch("App") + kPathDelim + "tool.exe", Scratch("App")}));
    ASSERT_FALSE(window.updates.empty());
    EXPECT_EQ(window.updates.back().first, 100);
    for (size_t i = 1; i < window.updates.size(); ++i)
      EXPECT_GE(window.updates[i].first, window.updates[i - 1].first) << i;
    EXPECT_EQ(window.messages_when_closed, 0);
  }
}

TEST_F(UninstallRunTest, RecordsThatRemainGoBackIntoTheLogWhichStillDeletesItself) {
  WriteLog();
  ASSERT_TRUE(WriteTextFile(Scratch("App") + kPathDelim + "user.dat", "kept"));
  AnswerMessages({mrOK});
  EXPECT_EQ(Run({as_copy_, "/file:" + log_}), kExitIncomplete);
  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_EQ(shown_[0].icon, IconWarning);
  // It names what stayed, not the log that deletes itself at the next run.
  EXPECT_TRUE(shown_[0].text.ends_with("run again.\r\n\r\n" + Scratch("App"))) << shown_[0].text;

  TXUndo left;
  ASSERT_TRUE(LoadFileWith(log_, FilerClass<TXInstallFiler>, &left, false, nullptr));
  ASSERT_EQ(left.Items.Count(), 2);
  EXPECT_EQ(left.Items.GetItem(0)->GetDisplayText(), Scratch("App"));
  EXPECT_EQ(left.Items.GetItem(1)->GetDisplayText(), log_);

  // Once the user's file is gone, a second run completes and takes the log along.
  ASSERT_TRUE(RemoveFile(Scratch("App") + kPathDelim + "user.dat"));
  EXPECT_EQ(Run({as_copy_, "/silent", "/file:" + log_}), kExitUninstalled);
  EXPECT_FALSE(FolderExists(Scratch("App")));
  EXPECT_FALSE(FileExists(log_));
}

// The built program, started from the folder it removes: it restarts from a
// copy, which removes the folder with the program in it, then itself.
TEST_F(UninstallRunTest, TheBuiltProgramRemovesItsOwnFolderThroughItsCopy) {
  WriteLog();
  const std::string program = Scratch("App") + kPathDelim + "uninst";
  ASSERT_TRUE(CopyFileTo(XS_UNINST_PROGRAM, program, true));
  {
    TXUndo log;
    ASSERT_TRUE(LoadFileWith(log_, FilerClass<TXInstallFiler>, &log, false, nullptr));
    log.Items.Insert(1, NewDelFileItem(eoShow, program).release());
    ASSERT_TRUE(SaveNewFileWith(log_, FilerClass<TXUninstallFiler>, &log, false, nullptr));
  }
  const std::string run_log = Scratch("run log.txt");
  TProcess original;
  ASSERT_TRUE(original.Start("\"" + program + "\" /silent /file:\"" + log_ + "\" \"/log:" + run_log + "\"", Scratch(), false));
  EXPECT_EQ(original.Wait({}), std::optional<uint32_t>(kExitUninstalled));
  // The copy runs on: its work is done once its own folder is gone. The
  // bound only keeps a broken copy from hanging the test.
  auto ends = [&] {
    // Each line: the date, the time, then the event.
    std::vector<std::string> found;
    std::istringstream text(ReadTextFile(run_log));
    for (std::string line; std::getline(text, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line.find(" end: ") != std::string::npos || line.find(" start: ") != std::string::npos)
        found.push_back(line.substr(line.find(' ', line.find(' ') + 1) + 1));
    }
    return found;
  };
  for (int i = 0; i < 6000 && (ends().size() < 4 || !TempFilesIn(TempFolder()).empty()); ++i) usleep(10000);
  EXPECT_FALSE(FolderExists(Scratch("App")));
  EXPECT_FALSE(FileExists(log_));
  EXPECT_TRUE(TempFilesIn(TempFolder()).empty()) << "the copy's folder is gone";
  // Both wrote to the run log, the copy after the original had ended.
  const std::vector<std::string> lines = ends();
  ASSERT_EQ(lines.size(), 4u) << ReadTextFile(run_log);
  EXPECT_TRUE(lines[0].starts_with("start: uninst")) << lines[0];
  EXPECT_EQ(lines[1], "end: exit code 0");
  EXPECT_NE(lines[2].find(kWaitSwitch), std::string::npos) << lines[2];
  EXPECT_EQ(lines[3], "end: exit code 0");
}
#endif

}  // namespace
}  // namespace xs
