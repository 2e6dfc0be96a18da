// The install, demo and upgrade runs against the emulated machine: the
// per-item step with its progress, error options and undo records.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/error.h"
#include "base/settings.h"
#include "engine_run_fixture.h"
#include "platform/file_system.h"
#include "script/file_actions.h"
#include "platform/registry.h"
#include "script/path_macros.h"
#include "uninstall/uninstall_entries.h"

namespace xs {
namespace {

using InstallRunTest = EngineRunTest;

std::vector<std::string> Positions(const std::vector<std::string>& progress) {
  std::vector<std::string> positions;
  for (const std::string& p : progress) positions.push_back(p.substr(0, p.find(':', p.find(':') + 1)));
  return positions;
}

TEST_F(InstallRunTest, ProgressIsAPercentageOfTheItemsRoundedHalfToEvenAtLeastOne) {
  struct Case {
    int items;
    std::vector<std::string> expected;
  } cases[] = {
      {1, {"5:1"}},
      {3, {"5:1", "5:33", "5:67"}},
      {8, {"5:1", "5:12", "5:25", "5:38", "5:50", "5:62", "5:75", "5:88"}},
  };
  for (const auto& c : cases) {
    Script().Clear();
    progress_.clear();
    for (int i = 0; i < c.items; ++i) AddFolder("p" + std::to_string(i));
    Script().SplitSections();
    EXPECT_TRUE(engine.InstallRun());
    EXPECT_EQ(Positions(progress_), c.expected) << c.items;
  }
}

TEST_F(InstallRunTest, UpgradeRunStartsAtZeroAndTestsTheEarlierVersion) {
  struct Range {
    const char* from;
    const char* to;
  } ranges[] = {{"", "1.0"}, {"2.0", "3.0"}, {"3.0", "4.0"}, {"0.0.0.0", ""}};
  struct Case {
    const char* tested;
    std::vector<std::string> ran;  // folder names
    std::vector<std::string> positions;
  } cases[] = {
      {"", {"u0", "u3"}, {"4:0", "4:75"}},
      {"2.5", {"u1"}, {"4:25"}},
      {"3.0.0.0", {"u1", "u2"}, {"4:25", "4:50"}},
  };
  for (const auto& c : cases) {
    Script().Clear();
    progress_.clear();
    for (int i = 0; i < 4; ++i) {
      TXUIFolderItem& item = AddFolder("u" + std::to_string(i), isUpgrade);
      item.UpgFromVer = ranges[i].from;
      item.UpgToVer = ranges[i].to;
      item.Condition.reset();  // conditions do not apply to upgrade items
      RemoveFolder(Scratch("u" + std::to_string(i)));
    }
    engine.TestedVersion = c.tested;
    engine.UpgradeRun();
    std::vector<std::string> ran;
    for (int i = 0; i < 4; ++i)
      if (FolderExists(Scratch("u" + std::to_string(i)))) ran.push_back("u" + std::to_string(i));
    EXPECT_EQ(ran, c.ran) << c.tested;
    EXPECT_EQ(Positions(progress_), c.positions) << c.tested;
  }
}

TEST_F(InstallRunTest, ErrorOptionsDecideMessageAbortAndRecord) {
  struct Case {
    TXUIErrorOptions options;
    bool result;
    bool shown;
    bool later_item_ran;
  } cases[] = {
      {eoIgnore, true, false, true},
      {eoShow, true, true, true},
      {eoAbort, false, true, false},
  };
  ASSERT_TRUE(WriteTextFile(Scratch("blocker"), "a file"));
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.options));
    Script().Clear();
    shown_.clear();
    RemoveFolder(Scratch("App"));
    RemoveFolder(Scratch("temp"));
    RemoveFolder(Scratch("later"));
    DeleteFileEx(Scratch("app.xui"));
    LoggedApp();
    AddFolder("temp", isTemp);
    AddFolder("App");
    // A file is in the way of this folder: the folder error.
    AddFolder("blocker/sub").ErrorOptions = c.options;
    AddFolder("later");
    Script().SplitSections();
    if (c.shown) AnswerMessages({mrOK});

    EXPECT_EQ(engine.InstallRun(), c.result);
    ASSERT_EQ(shown_.size(), c.shown ? 1u : 0u);
    if (c.shown) {
      EXPECT_NE(shown_[0].text.find(Scratch("blocker/sub")), std::string::npos) << shown_[0].text;
      EXPECT_EQ(shown_[0].text.find("stop") != std::string::npos, c.options == eoAbort) << shown_[0].text;
      EXPECT_EQ(shown_[0].icon, IconError);
    }
    EXPECT_EQ(FolderExists(Scratch("later")), c.later_item_ran);
    EXPECT_FALSE(FolderExists(Scratch("temp"))) << "isTemp records are reversed, also after an abort";
    EXPECT_TRUE(FolderExists(Scratch("App"))) << "an abort rolls nothing else back";
    EXPECT_EQ(FileExists(Scratch("app.xui")), c.result) << "an aborted run writes no undo log";
    if (c.result) {
      std::vector<std::string> records = LogRecords(Scratch("app.xui"));
      ASSERT_GE(records.size(), 2u);
      EXPECT_EQ(records[0], "TXUIDelFolderItem " + Scratch("App"));
      EXPECT_EQ(records[1], "TXUIDelFolderItem " + Scratch("later")) << "the failed item left no record";
    }
  }
}

TEST_F(InstallRunTest, AnItemThatRaisesFailsWithCode4AndItsText) {
  LoggedApp();
  auto rename = std::make_unique<TXUIRenameFilesItem>();
  rename->FolderName = Scratch();
  rename->SourceFilter = "*.a;*.b";
  rename->Filter = "*.c";
  rename->ErrorOptions = eoShow;
  Script().AddItem(std::move(rename));
  Script().SplitSections();
  AnswerMessages({mrOK});
  EXPECT_TRUE(engine.InstallRun());
  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_NE(shown_[0].text.find("An error occurred"), std::string::npos) << shown_[0].text;
}

TEST_F(InstallRunTest, UndoItemsLogIndexAndSelectionEdgeCases) {
  TXUIAppItem& app = LoggedApp();
  ASSERT_TRUE(WriteTextFile(Scratch("keep.txt"), "kept"));
  auto undo = std::make_unique<TXUIDelFileItem>();
  undo->FileName = Scratch("keep.txt");
  undo->IsUndo = true;
  Script().AddItem(std::move(undo));
  AddFolder("unlogged").LogIdx = 3;  // beyond the one log
  AddFolder("App");
  Script().SplitSections();
  RunSettings().SelectedComponents.reset();

  EXPECT_TRUE(engine.InstallRun());
  EXPECT_TRUE(FileExists(Scratch("keep.txt"))) << "an IsUndo item is not executed";
  EXPECT_TRUE(FolderExists(Scratch("unlogged"))) << "an item beyond the logs runs";
  EXPECT_TRUE(FolderExists(Scratch("App"))) << "an empty selection becomes {0}";
  std::vector<std::string> records = LogRecords(app.UILog);
  ASSERT_EQ(records.size(), 14u);  // the copy, App, the entry's key and ten values, the log's deletion
  EXPECT_EQ(records[0], "TXUIDelFileItem " + Scratch("keep.txt"));
  EXPECT_EQ(records[1], "TXUIDelFolderItem " + Scratch("App"));
  EXPECT_EQ(records[13], "TXUIDelFileItem " + app.UILog) << "deleting the log is reversed first";
}

TEST_F(InstallRunTest, TheEntryGoesUnderTheRootTheRunChooses) {
  struct Case {
    bool all_users;
    bool xp;
    uint32_t root;
  } cases[] = {
      {false, true, kHKeyCurrentUser},
      {true, true, kHKeyLocalMachine},
      {false, false, kHKeyLocalMachine},
  };
  for (const auto& c : cases) {
    Script().Clear();
    LoggedApp();
    Script().SplitSections();
    RunSettings().RunConditions.reset();
    if (c.all_users) RunSettings().RunConditions.set(cdAllUsers);
    RunSettings().WinXPOrLater = c.xp;
    EXPECT_TRUE(engine.InstallRun());
    for (uint32_t root : {kHKeyCurrentUser, kHKeyLocalMachine}) {
      EXPECT_EQ(TXRegistry(root).KeyExists(std::string(kUninstallKey) + "\\" + title_), root == c.root)
          << c.all_users << c.xp << " root " << root;
      TXRegistry(root).DeleteKey(std::string(kUninstallKey) + "\\" + title_);
    }
  }
}

TEST_F(InstallRunTest, DemoRunInstallsIntoTheTemporaryFolderAndRemovesEverything) {
  const std::string temp = Scratch("tmp") + kPathDelim;
  ASSERT_TRUE(ForceFolders(temp));
  TXMacroSources sources = SystemMacroSources();
  sources.TempFolder = temp;
  InitializePathMacros(sources);
  Script().DefaultFolderExt = "Demo";
  auto folder = std::make_unique<TXUIFolderItem>();
  folder->FolderName = "<tmp>Demo";
  folder->SaveUndo = true;
  folder->Condition.reset().set(cdDemo);
  Script().AddItem(std::move(folder));
  auto sub = std::make_unique<TXUIFolderItem>();
  sub->FolderName = "<tmp>Demo" + std::string(1, kPathDelim) + "data";
  sub->Condition.reset().set(cdDemo);  // no record: the folder walk removes it
  Script().AddItem(std::move(sub));
  AddFolder("not-in-demo");
  Script().SplitSections();
  RunSettings().RunConditions.set(cdDemo);
  RunSettings().SelectedComponents.reset();
  RunSettings().InstallFolder = Scratch("given") + kPathDelim;  // "/dir:"
  RunSettings().UninstallInfoFolder = Scratch("info") + kPathDelim;

  EXPECT_TRUE(engine.DemoRun());
  // An installation after the demo goes where it would have gone.
  EXPECT_EQ(RunSettings().InstallFolder, Scratch("given") + kPathDelim);
  EXPECT_EQ(RunSettings().UninstallInfoFolder, Scratch("info") + kPathDelim);
  EXPECT_FALSE(FolderExists(temp + "Demo"));
  EXPECT_TRUE(FolderExists(temp)) << "the temporary folder itself stays";
  EXPECT_FALSE(FolderExists(Scratch("not-in-demo"))) << "only demo items run";
  EXPECT_EQ(Positions(progress_), (std::vector<std::string>{"0:1", "0:33"}));

  AnswerMessages({mrOK});
  EXPECT_TRUE(engine.AskInstallNow());
  EXPECT_TRUE(RunSettings().RunConditions.none());
  EXPECT_EQ(shown_.back().frame, TXButtonFrame::TXCmdInstallNoThanks);
  AnswerMessages({mrCancel});
  EXPECT_FALSE(engine.AskInstallNow());
  InitializePathMacros();
}

}  // namespace
}  // namespace xs
