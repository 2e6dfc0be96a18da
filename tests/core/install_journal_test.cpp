// The install run's journal: a run killed at any moment, or aborted, can be
// undone from the journal beside its undo log, by the uninstaller or by the
// next install run followed by an uninstall; either leaves the machine as
// it was before.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "base/settings.h"
#include "engine/undo_journal.h"
#include "engine_run_fixture.h"
#include "package/dying_source.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "script/register.h"
#include "script/registry_items.h"
#include "script/shell_items.h"
#include "ui/message_box.h"
#include "uninstall/uninstall_engine.h"

namespace xs {
namespace {

// What the child run is told through its environment.
constexpr char kScratchVar[] = "XS_TEST_JOURNAL_SCRATCH";
constexpr char kKeyVar[] = "XS_TEST_JOURNAL_KEY";
constexpr char kTitleVar[] = "XS_TEST_JOURNAL_TITLE";
constexpr char kKillVar[] = "XS_TEST_JOURNAL_KILL";  // "N": at the Nth item; "write": inside the file's write

// A script with every kind of item that leaves records, each making
// folders or keys on its way, logged into "<scratch>Kill/app.xui".
void KillScript(TXInstall& s, const std::string& scratch, const std::string& key, const std::string& title,
                bool dying_write) {
  const std::string kill = scratch + "Kill" + kPathDelim;
  RunSettings().InstallFolder = kill;
  s.Title = "Tool";
  TXUIAppItem& app = *s.AppItems.First();
  app.optSaveLog = true;
  app.Title = "Tool 2";
  app.LogTitle = title;
  app.Version = "2.5";
  app.Folder = kill;
  app.UIExe = kill + "uninst.exe";
  app.UILog = kill + "app.xui";
  auto logged = [&s](auto item) {
    item->SaveUndo = true;
    return s.AddItem(std::move(item));
  };
  auto folder = std::make_unique<TXUIFolderItem>();
  folder->FolderName = kill + "a" + kPathDelim + "b";
  logged(std::move(folder));
  auto file = std::make_unique<TXUIFileItem>();
  file->FileName = kill + "a" + kPathDelim + "b" + kPathDelim + "tool.exe";
  if (dying_write) {
    file->Data.SetSource(std::make_unique<DyingSource>());
  } else {
    TMemoryStream bytes(std::vector<uint8_t>(100000, 'n'));
    file->Data.LoadFromStream(".exe", bytes);
  }
  logged(std::move(file));
  auto temp = std::make_unique<TXUITextFileItem>();
  temp->FileName = kill + "setup.txt";
  temp->Text = "for the setup only";
  temp->Section = isTemp;
  logged(std::move(temp));
  auto group = std::make_unique<TXUIGroupItem>();
  group->GroupName = title + "\\Tools";
  logged(std::move(group));
  auto reg_key = std::make_unique<TXUIRegKeyItem>();
  reg_key->KeyName = key + "\\Kill\\A\\B";
  logged(std::move(reg_key));
  auto value = std::make_unique<TXUIRegValItem>();
  value->KeyName = key + "\\Kill\\V\\W";
  value->ValueName = "Path";
  value->Value = kill;
  value->ValueType = optrString;
  logged(std::move(value));
}

// Runs in a second process: the install of KillScript, ended as a kill
// would end it.
TEST(InstallJournalChild, DISABLED_DiesDuringTheInstall) {
  const char* scratch = std::getenv(kScratchVar);
  const char* key = std::getenv(kKeyVar);
  const char* title = std::getenv(kTitleVar);
  const char* kill = std::getenv(kKillVar);
  ASSERT_TRUE(scratch && key && title && kill);
  RegisterScriptClasses();
  RunSettings().HasAdminRights = true;
  RunSettings().SelectedComponents.set(0);
  SetMessageBoxFunc([](const std::string&, const std::string&, int, TXButtonFrame, int default_result) {
    return default_result;
  });
  TXInstallEngine engine;
  const bool dying_write = std::string(kill) == "write";
  KillScript(engine.Package.Script, scratch, key, title, dying_write);
  int items = 0;
  const int kill_at = dying_write ? 0 : std::atoi(kill);
  engine.OnProgress = [&](TObject*, TXUISection, int, const std::string&) {
    if (++items == kill_at) std::_Exit(DyingSource::kDied);
  };
  engine.InstallRun();
  std::_Exit(0);
}

class InstallJournalTest : public EngineRunTest {
 protected:
  void SetUp() override {
    EngineRunTest::SetUp();
    SetTestVariable(kScratchVar, Scratch());
    SetTestVariable(kKeyVar, TestKey());
    SetTestVariable(kTitleVar, title_);
    ASSERT_TRUE(TXRegistry(kHKeyCurrentUser).CreateKey(TestKey()));
    ASSERT_TRUE(WriteTextFile(Scratch("before.txt"), "untouched"));
  }

  // The install in a second process, killed as kill says; the child's exit
  // code.
  std::optional<uint32_t> KilledInstall(const std::string& kill) {
    SetTestVariable(kKillVar, kill);
    return RunSelf("InstallJournalChild.DISABLED_DiesDuringTheInstall");
  }

  // The install of the whole script here, without_file leaving out the
  // file item; whether it succeeded.
  bool FullInstall(bool without_file = false) {
    TXInstallEngine setup;
    TXInstall& s = setup.Package.Script;
    KillScript(s, Scratch(), TestKey(), title_, false);
    for (int i = 0; without_file && i < s.Items.Count(); ++i)
      if (dynamic_cast<TXUIFileItem*>(s.Items.Items(i))) s.Items.Delete(i--);
    return setup.InstallRun();
  }

  // The uninstaller on the log; the records it could not reverse.
  int Uninstall() {
    TXCustomUninstallEngine uninstall;
    uninstall.OnInit = [&](TObject*) { RunSettings().PackageFileName = Log(); };
    uninstall.Execute();
    return uninstall.UndoLog.Items.Count();
  }

  std::string Log() { return Scratch("Kill") + kPathDelim + "app.xui"; }
};

TEST_F(InstallJournalTest, AKillAtAnyItemIsUndoneByTheUninstallerOrByTheNextInstallAndItsUninstall) {
  const std::map<std::string, std::string> before = Machine();
  // Each kill point in turn, until the run outlives them all.
  for (int at = 1;; ++at) {
    SCOPED_TRACE("killed at item " + std::to_string(at));
    std::optional<uint32_t> died = KilledInstall(std::to_string(at));
    ASSERT_TRUE(died.has_value());
    if (*died == 0) {
      EXPECT_GT(at, 10) << "the script and the entry's items ran before";
      EXPECT_FALSE(FileExists(JournalFileName(Log()))) << "a whole run removes its journal";
      EXPECT_EQ(Uninstall(), 0);
      EXPECT_EQ(Machine(), before);
      break;
    }
    ASSERT_EQ(*died, uint32_t{DyingSource::kDied});
    EXPECT_TRUE(FileExists(JournalFileName(Log())));
    EXPECT_FALSE(FileExists(Log())) << "a killed run writes no undo log";
    EXPECT_EQ(Uninstall(), 0);
    EXPECT_EQ(Machine(), before);

    ASSERT_EQ(KilledInstall(std::to_string(at)), uint32_t{DyingSource::kDied});
    ASSERT_TRUE(FullInstall());
    EXPECT_FALSE(FileExists(JournalFileName(Log())));
    EXPECT_EQ(Uninstall(), 0);
    EXPECT_EQ(Machine(), before);
  }
}

TEST_F(InstallJournalTest, AKillInsideAFileWriteLeavesNoTemporaryFileBehind) {
  const std::map<std::string, std::string> before = Machine();
  enum { ThenUninstall, ThenInstallAndUninstall, OverAnEarlierInstallation };
  for (int how : {ThenUninstall, ThenInstallAndUninstall, OverAnEarlierInstallation}) {
    SCOPED_TRACE(how);
    // Over an earlier installation the uninstaller takes the log's records
    // and the journal's.
    if (how == OverAnEarlierInstallation) {
      ASSERT_TRUE(FullInstall());
    }
    ASSERT_EQ(KilledInstall("write"), uint32_t{DyingSource::kDied});
    std::vector<TSearchRec> temp;
    FindFiles(Scratch("Kill") + kPathDelim + "a" + kPathDelim + "b", "~xs*.tmp", temp);
    EXPECT_EQ(temp.size(), 1u) << "the kill came halfway through the write";
    if (how == ThenInstallAndUninstall) {
      ASSERT_TRUE(FullInstall());
    }
    EXPECT_EQ(Uninstall(), 0);
    EXPECT_EQ(Machine(), before);
  }
}

TEST_F(InstallJournalTest, AnAbortLeavesTheJournalAndNoLogAndTheNextRunTakesItIn) {
  ASSERT_TRUE(WriteTextFile(Scratch("blocker"), "a file in the way"));
  const std::map<std::string, std::string> before = Machine();
  TXInstallEngine setup;
  setup.OnProgress = engine.OnProgress;
  KillScript(setup.Package.Script, Scratch(), TestKey(), title_, false);
  auto blocked = std::make_unique<TXUIFolderItem>();
  blocked->FolderName = Scratch("blocker") + kPathDelim + "sub";
  blocked->ErrorOptions = eoAbort;
  setup.Package.Script.AddItem(std::move(blocked));
  AnswerMessages({mrOK});
  EXPECT_FALSE(setup.InstallRun());
  EXPECT_FALSE(FileExists(Log()));
  EXPECT_TRUE(FileExists(JournalFileName(Log())));
  EXPECT_FALSE(FileExists(Scratch("Kill") + kPathDelim + "setup.txt")) << "isTemp records are reversed";

  // The next run no longer writes the file: the folder it makes again is
  // the journal's, which goes after that file.
  ASSERT_TRUE(FullInstall(true));
  EXPECT_TRUE(FileExists(Log()));
  EXPECT_FALSE(FileExists(JournalFileName(Log())));
  EXPECT_EQ(Uninstall(), 0);
  EXPECT_EQ(Machine(), before);
}

}  // namespace
}  // namespace xs
