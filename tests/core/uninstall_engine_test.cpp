// The uninstall engine: reversing a log with its progress, the clean-up of
// the Run key, and the standalone run that loads the log named by "/file:".
#include "uninstall/uninstall_engine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/install_filer.h"
#include "base/text.h"
#include "engine_run_fixture.h"
#include "package/filer.h"
#include "platform/file_stream.h"
#include "platform/registry.h"

namespace xs {
namespace {

constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class UninstallEngineTest : public EngineRunTest {
 protected:
  void TearDown() override {
    TXRegistry registry(kHKeyCurrentUser);
    if (registry.OpenKey(kRunKey, false))
      for (const char* name : {"A", "B", "C"}) registry.DeleteValue(run_value_ + name);
    EngineRunTest::TearDown();
  }

  // Fills log with the records of an install: remove the folder
  // Scratch("App"), delete the file tool_ in it, delete Scratch("data.txt").
  void FillLog(TXUndo& log) {
    tool_ = Scratch("App") + kPathDelim + "tool.exe";
    ASSERT_TRUE(ForceFolders(Scratch("App")));
    ASSERT_TRUE(WriteTextFile(tool_, "tool"));
    ASSERT_TRUE(WriteTextFile(Scratch("data.txt"), "data"));
    log.AppItems.First()->Folder = Scratch("App");
    auto folder = std::make_unique<TXUIDelFolderItem>();
    folder->FolderName = Scratch("App");
    folder->Section = isFolder;
    log.AddItem(std::move(folder));
    auto file = std::make_unique<TXUIDelFileItem>();
    file->FileName = tool_;
    file->Section = isFile;
    log.AddItem(std::move(file));
    auto data = std::make_unique<TXUIDelFileItem>();
    data->FileName = Scratch("data.txt");
    data->Section = isFile;
    log.AddItem(std::move(data));
  }

  void WriteRunValues() {
    TXRegistry registry(kHKeyCurrentUser);
    ASSERT_TRUE(registry.OpenKey(kRunKey, true));
    registry.WriteString(run_value_ + "A", "\"" + AsciiUpperCase(tool_) + "\" /min");
    registry.WriteString(run_value_ + "B", "other.exe");
    registry.WriteString(run_value_ + "C", "");
  }

  std::vector<std::string> RunValues() {
    TXRegistry registry(kHKeyCurrentUser);
    std::vector<std::string> names, ours;
    if (registry.OpenKeyReadOnly(kRunKey)) registry.GetValueNames(names);
    for (const std::string& name : names)
      if (name.rfind(run_value_, 0) == 0) ours.push_back(name.substr(run_value_.size()));
    return ours;
  }

  const std::string run_value_ = UniqueName("Run");
  std::string tool_;  // set by FillLog
};

TEST_F(UninstallEngineTest, ReversesLastFirstAndCleansTheRunKeyOnlyWhenAsked) {
  for (bool clean : {false, true}) {
    SCOPED_TRACE(clean);
    TXCustomUninstallEngine uninstall;
    std::vector<std::string> progress;
    uninstall.OnProgress = [&](TObject*, TXUISection section, int position, const std::string& text) {
      progress.push_back(std::to_string(section) + ":" + std::to_string(position) + ":" + text);
    };
    FillLog(uninstall.UndoLog);
    WriteRunValues();
    EXPECT_TRUE(uninstall.Uninstall(clean));
    EXPECT_EQ(uninstall.UndoLog.Items.Count(), 0) << "a log whose records all succeed is empty afterwards";
    EXPECT_FALSE(FolderExists(Scratch("App")));
    EXPECT_FALSE(FileExists(Scratch("data.txt")));
    // The count is that of the records left.
    std::vector<std::string> expected = {"6:33:" + Scratch("data.txt"), "6:50:" + tool_, "5:100:" + Scratch("App")};
    if (clean) expected.insert(expected.begin(), "10:0:");
    EXPECT_EQ(progress, expected);
    EXPECT_EQ(RunValues(), clean ? (std::vector<std::string>{"B", "C"}) : (std::vector<std::string>{"A", "B", "C"}));
  }
}

TEST_F(UninstallEngineTest, AFailedRecordStaysAndTheFirstRecordGivesTheResult) {
  TXCustomUninstallEngine uninstall;
  FillLog(uninstall.UndoLog);
  ASSERT_TRUE(WriteTextFile(Scratch("App") + kPathDelim + "user.dat", "kept"));
  // The folder still holds the user's file: its removal fails and stays.
  EXPECT_FALSE(uninstall.Uninstall(false)) << "the first record failed, the last performed";
  ASSERT_EQ(uninstall.UndoLog.Items.Count(), 1);
  EXPECT_EQ(uninstall.UndoLog.Items.GetItem(0)->GetDisplayText(), Scratch("App"));
}

TEST_F(UninstallEngineTest, StandaloneRunLoadsTheLogFromFileSwitch) {
  TXUndo log;
  FillLog(log);
  log.AppItems.First()->LgID = 9;
  const std::string file = Scratch("tool.xui");
  ASSERT_TRUE(SaveNewFileWith(file, FilerClass<TXInstallFiler>, &log, false, nullptr));
  WriteRunValues();

  TXCustomUninstallEngine uninstall;
  std::string folder_during;
  uninstall.OnInit = [&](TObject*) { RunSettings().PackageFileName = file; };
  uninstall.OnLoaded = [&](TObject*, bool&) { folder_during = RunSettings().InstallFolder; };
  EXPECT_FALSE(uninstall.Execute()) << "the run reports through the records left";
  EXPECT_EQ(uninstall.UndoLog.Items.Count(), 0);
  EXPECT_FALSE(FolderExists(Scratch("App")));
  EXPECT_EQ(RunValues(), (std::vector<std::string>{"B", "C"})) << "the standalone run cleans the Run key";
  EXPECT_EQ(uninstall.ErrorCaption(), "Error Starting Uninstall");
}

TEST_F(UninstallEngineTest, WithoutAReadableLogNothingChanges) {
  ASSERT_TRUE(ForceFolders(Scratch("App")));
  const std::string damaged = Scratch("damaged.xui");
  ASSERT_TRUE(WriteTextFile(damaged, "XQ not a log at all"));
  struct Case {
    std::string file;
    bool message;
  } cases[] = {{"", false}, {damaged, true}, {Scratch("missing.xui"), true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    shown_.clear();
    TXCustomUninstallEngine uninstall;
    uninstall.OnInit = [&](TObject*) { RunSettings().PackageFileName = c.file; };
    if (c.message) AnswerMessages({mrOK});
    EXPECT_FALSE(uninstall.Execute());
    ASSERT_EQ(shown_.size(), c.message ? 1u : 0u);
    if (c.message) {
      EXPECT_NE(shown_[0].text.find(c.file), std::string::npos) << shown_[0].text;
      EXPECT_EQ(shown_[0].caption, "Error Starting Uninstall");
      EXPECT_EQ(shown_[0].icon, IconError);
    }
    EXPECT_TRUE(FolderExists(Scratch("App")));
  }
}

}  // namespace
}  // namespace xs
