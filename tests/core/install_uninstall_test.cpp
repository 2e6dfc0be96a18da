// End to end on the emulated machine: a package made here is loaded from
// "/file:", installed by the install run, installed again over itself, and
// then the uninstall engine reverses everything from the undo log.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "base/error.h"
#include "base/settings.h"
#include "engine/questions.h"
#include "engine/run_log.h"
#include "platform/command_line.h"
#include "platform/named_mutex.h"
#include "engine_run_fixture.h"
#include "package/filer.h"
#include "platform/file_stream.h"
#include "platform/registry.h"
#include "script/registry_items.h"
#include "uninstall/uninstall_engine.h"
#include "uninstall/uninstall_entries.h"

namespace xs {
namespace {

// Stands in for the wizard: runs the installation when executed.
class InstallingWizard : public TXCustomInstallDialog {
 public:
  explicit InstallingWizard(std::function<bool()> run) : run_(std::move(run)) {}
  bool ExecuteOK() override { return run_(); }

 private:
  std::function<bool()> run_;
};

class InstallUninstallTest : public EngineRunTest {
 protected:
  void SetUp() override {
    EngineRunTest::SetUp();
    package_ = Scratch("tool.pkg");
    ASSERT_TRUE(TXRegistry(kHKeyCurrentUser).CreateKey(TestKey()));
    ASSERT_TRUE(ForceFolders(Scratch("before")));
    ASSERT_TRUE(WriteTextFile(Scratch("before") + kPathDelim + "old.txt", "untouched"));
    MakePackage();
  }

  // Writes package_: the tool with its folder, two files, a key and a value,
  // after change had its say on the script.
  void MakePackage(const std::function<void(TXInstall&)>& change = {}) {
    TXPackageContents contents;
    TXInstall& s = contents.Script;
    s.Title = "Tool";
    s.DefaultFolderName = Scratch("Tool");
    TXUIAppItem& app = *s.AppItems.First();
    app.optSaveLog = true;
    app.Title = "Tool 2";
    app.LogTitle = title_;
    app.Version = "2.5";
    app.Folder = "<install>";
    app.UIExe = "<install>uninst.exe";
    app.UILog = "<install>tool.xui";
    auto folder = std::make_unique<TXUIFolderItem>();
    folder->FolderName = "<install>";
    folder->SaveUndo = true;
    s.AddItem(std::move(folder));
    for (const char* name : {"tool.exe", "uninst.exe"}) {
      auto file = std::make_unique<TXUIFileItem>();
      file->FileName = std::string("<install>") + name;
      file->SaveUndo = true;
      TMemoryStream bytes(std::vector<uint8_t>(5000, static_cast<uint8_t>(name[0])));
      file->Data.LoadFromStream(".exe", bytes);
      s.AddItem(std::move(file));
    }
    auto key = std::make_unique<TXUIRegKeyItem>();
    key->KeyName = TestKey() + "\\Tool";
    key->SaveUndo = true;
    s.AddItem(std::move(key));
    auto value = std::make_unique<TXUIRegValItem>();
    value->KeyName = TestKey() + "\\Tool";
    value->ValueName = "Path";
    value->Value = "<install>";
    value->ValueType = optrString;
    value->SaveUndo = true;
    s.AddItem(std::move(value));
    if (change) change(s);
    ASSERT_TRUE(SaveNewFileWith(package_, FilerClass<TXInstallFiler>, &contents, false, nullptr, {},
                                ifBestCompression));
  }

  // Runs a fresh install engine on the package, as setup would.
  bool Install(std::string* old_data = nullptr, std::string* tested = nullptr) {
    TXInstallEngine setup;
    InstallingWizard wizard([&] {
      if (old_data) *old_data = RunSettings().OldDataFolder;
      if (tested) *tested = setup.TestedVersion;
      return setup.InstallRun();
    });
    setup.WizardDialog = &wizard;
    setup.OnInit = [&](TObject*) { RunSettings().PackageFileName = package_; };
    return setup.Execute();
  }

  // MakePackage over the one SetUp made.
  void MakePackageAgain(const std::function<void(TXInstall&)>& change = {}) {
    RemoveFile(package_);
    MakePackage(change);
  }

  std::string package_;  // in the scratch folder, made by SetUp
};

TEST_F(InstallUninstallTest, InstallTwiceThenUninstallLeavesTheMachineAsBefore) {
  const std::map<std::string, std::string> before = Machine();
  const std::string folder = Scratch("Tool") + kPathDelim;
  const std::string log = folder + "tool.xui";

  std::string old_data = "?", tested = "?";
  ASSERT_TRUE(Install(&old_data, &tested));
  EXPECT_EQ(old_data, "") << "no earlier installation";
  EXPECT_EQ(tested, "");
  EXPECT_EQ(ReadTextFile(folder + "tool.exe"), std::string(5000, 't'));
  EXPECT_EQ(EntryString(title_, "DisplayName"), "Tool 2");
  EXPECT_EQ(EntryString(title_, "DisplayVersion"), "2.5");
  EXPECT_EQ(EntryString(title_, "UninstallString"), "\"" + folder + "uninst.exe\" /file:\"" + log + "\"");
  const std::vector<std::string> first = LogRecords(log);
  // The install folder made for the journal, then the folder item's, 2
  // files, key, value, entry key and 10 values, the log.
  EXPECT_EQ(first.size(), 18u);

  // Again over itself: the earlier installation is found, the entry reused,
  // and each record kept once.
  ASSERT_TRUE(Install(&old_data, &tested));
  EXPECT_EQ(old_data, folder);
  EXPECT_EQ(tested, "2.5");
  EXPECT_EQ(EntryCandidates(UninstallEntryNames(kHKeyCurrentUser), title_).Count(), 1);
  EXPECT_EQ(LogRecords(log), first);

  TXCustomUninstallEngine uninstall;
  uninstall.OnInit = [&](TObject*) { RunSettings().PackageFileName = log; };
  uninstall.Execute();
  EXPECT_EQ(uninstall.UndoLog.Items.Count(), 0);
  EXPECT_EQ(Machine(), before);
}

// The second install no longer writes a file into a folder the first one
// made: the folder, recorded by both, must still go after that file.
TEST_F(InstallUninstallTest, AReinstallThatNoLongerWritesAFileStillRemovesItsFolder) {
  const std::map<std::string, std::string> before = Machine();
  auto data_folder = [](TXInstall& s, bool with_file) {
    auto folder = std::make_unique<TXUIFolderItem>();
    folder->FolderName = "<install>Data";
    folder->SaveUndo = true;
    s.AddItem(std::move(folder));
    if (!with_file) return;
    auto file = std::make_unique<TXUIFileItem>();
    file->FileName = std::string("<install>Data") + kPathDelim + "old.dat";
    file->SaveUndo = true;
    TMemoryStream bytes(std::vector<uint8_t>(100, 'o'));
    file->Data.LoadFromStream(".dat", bytes);
    s.AddItem(std::move(file));
  };
  MakePackageAgain([&](TXInstall& s) { data_folder(s, true); });
  ASSERT_TRUE(Install());
  MakePackageAgain([&](TXInstall& s) { data_folder(s, false); });
  ASSERT_TRUE(Install());

  TXCustomUninstallEngine uninstall;
  uninstall.OnInit = [&](TObject*) { RunSettings().PackageFileName = Scratch("Tool") + kPathDelim + "tool.xui"; };
  uninstall.Execute();
  EXPECT_EQ(uninstall.UndoLog.Items.Count(), 0);
  std::map<std::string, std::string> after = Machine();
  after[package_] = before.at(package_);  // made anew for each install
  EXPECT_EQ(after, before);
}

TEST_F(InstallUninstallTest, ASecondInstallationWithAnotherLogGetsTheNextEntry) {
  ASSERT_TRUE(Install());
  // The same package into another folder keeps its log there.
  const std::string first_log = Scratch("Tool") + kPathDelim + "tool.xui";
  TXInstallEngine setup;
  InstallingWizard wizard([&] {
    RunSettings().InstallFolder = Scratch("Other") + kPathDelim;
    return setup.InstallRun();
  });
  setup.WizardDialog = &wizard;
  setup.OnInit = [&](TObject*) { RunSettings().PackageFileName = package_; };
  ASSERT_TRUE(setup.Execute());
  EXPECT_EQ(EntryString(title_ + "_i1", "UninstallString"),
            "\"" + Scratch("Other") + kPathDelim + "uninst.exe\" /file:\"" + Scratch("Other") + kPathDelim +
                "tool.xui\"");
  EXPECT_EQ(EntryString(title_, "UninstallString"),
            "\"" + Scratch("Tool") + kPathDelim + "uninst.exe\" /file:\"" + first_log + "\"");
}

#ifndef _WIN32
// setup.exe without a wizard: the command line decides, the run log tells.
// The switches come from the process command line, which only the POSIX
// build lets a test choose.
class SetupCommandLineTest : public InstallUninstallTest {
 protected:
  void SetUp() override {
    InstallUninstallTest::SetUp();
    log_ = Scratch("run.log");
  }
  void TearDown() override {
    SetProcessArguments(0, nullptr);
    RunLog().Close();
    InstallUninstallTest::TearDown();
  }

  // Runs the install engine as setup.exe does with these arguments (the
  // package and the run log added), and returns its exit code.
  int RunSetup(std::vector<std::string> args, const std::function<void(TXInstallEngine&)>& prepare = {}) {
    args.insert(args.begin(), {"setup", "/file:" + package_, "/log:" + log_});
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    SetProcessArguments(static_cast<int>(argv.size()), argv.data());
    const TXMessageBoxFunc scripted = MessageBoxFuncInUse();
    StartProgramRun("setup");
    TXInstallEngine setup;
    setup.OnInit = [](TObject*) { RunSettings().HasAdminRights = true; };
    if (prepare) prepare(setup);
    setup.Execute();
    const int code = EndProgramRun(setup.ExitCode());
    SetMessageBoxFunc(scripted);
    return code;
  }

  // The run log's events, without their times.
  std::vector<std::string> Events() {
    std::vector<std::string> events;
    TStringList lines;
    lines.SetText(ReadTextFile(log_));
    for (const std::string& line : lines.Items()) events.push_back(line.substr(line.find(' ', 11) + 1));
    return events;
  }
  bool Logged(const std::string& start) {
    for (const std::string& e : Events())
      if (e.starts_with(start)) return true;
    return false;
  }

  std::string log_;  // in the scratch folder, named by SetUp
};

TEST_F(SetupCommandLineTest, SilentRunInstallsWhereTheSwitchesSayAndLogsEachStep) {
  const std::string folder = Scratch("Chosen") + kPathDelim;
  ASSERT_EQ(RunSetup({"/silent", "/dir:" + Scratch("Chosen"), "/group:Tools"}), 0);
  EXPECT_EQ(ReadTextFile(folder + "tool.exe"), std::string(5000, 't'));
  EXPECT_EQ(EntryString(title_, "UninstallString"), "\"" + folder + "uninst.exe\" /file:\"" + folder + "tool.xui\"");
  EXPECT_FALSE(FolderExists(Scratch("Tool"))) << "the script's default folder was replaced";
  const std::vector<std::string> events = Events();
  ASSERT_GE(events.size(), 4u);
  EXPECT_TRUE(events.front().starts_with("start: setup ")) << events.front();
  EXPECT_NE(events.front().find("/dir:" + Scratch("Chosen")), std::string::npos) << "with the arguments";
  EXPECT_EQ(events[1], "package: " + package_);
  EXPECT_TRUE(Logged("item: ") && Logged("item: " + folder + "tool.exe -> done")) << ReadTextFile(log_);
  EXPECT_EQ(events.back(), "end: exit code 0");
}

TEST_F(SetupCommandLineTest, FailuresGiveTheirExitCodeAndChangeNothing) {
  // A file whose bytes do not compress fills the middle of the package, so
  // that a byte changed there lands in a file's contents, which the install
  // would only read when it writes that file.
  MakePackageAgain([](TXInstall& s) {
    auto file = std::make_unique<TXUIFileItem>();
    file->FileName = "<install>data.bin";
    std::vector<uint8_t> noise(64 * 1024);
    uint32_t x = 12345;
    for (uint8_t& b : noise) b = static_cast<uint8_t>((x = x * 1103515245 + 12345) >> 24);
    TMemoryStream bytes(noise);
    file->Data.LoadFromStream(".bin", bytes);
    s.AddItem(std::move(file));
  });
  const std::string intact = ReadTextFile(package_);
  std::map<std::string, std::string> expected = Machine();
  expected.erase(package_);
  for (double where : {0.3, 0.5, 0.7, 0.999}) {
    std::string bytes = intact;
    bytes[static_cast<size_t>(bytes.size() * where)] ^= 0x20;
    ASSERT_TRUE(WriteTextFile(package_, bytes));
    RemoveFile(log_);
    const int code = RunSetup({"/silent"});
    EXPECT_TRUE(code == errLoad || code == errChecksum) << where << ": " << code;
    EXPECT_TRUE(Logged("message: Error Starting Setup - Incomplete Installer File: ")) << ReadTextFile(log_);
    ASSERT_FALSE(Events().empty());
    EXPECT_EQ(Events().back(), "end: exit code " + std::to_string(code));
    std::map<std::string, std::string> after = Machine();
    after.erase(log_);
    after.erase(package_);
    EXPECT_EQ(after, expected) << where;
  }

  // A selection that is not a list of component numbers.
  MakePackageAgain();
  EXPECT_EQ(RunSetup({"/silent", "/components:1,x"}), errGeneral);
  EXPECT_TRUE(Logged("/components: takes component numbers"));
  EXPECT_FALSE(FolderExists(Scratch("Tool")));
}

TEST_F(SetupCommandLineTest, AnItemThatFailedGivesItsCodeEvenWhenTheRunGoesOn) {
  MakePackageAgain([](TXInstall& s) {
    auto file = std::make_unique<TXUIFileItem>();
    file->FileName = "<install>no such folder" + std::string(1, kPathDelim) + "lost.txt";
    TMemoryStream bytes(std::vector<uint8_t>(10, 'x'));
    file->Data.LoadFromStream(".txt", bytes);
    s.Items.Insert(1, file.release());  // ignored by default, right after the folder
  });
  EXPECT_EQ(RunSetup({"/silent"}), errWriteFile);
  EXPECT_EQ(ReadTextFile(Scratch("Tool") + kPathDelim + "tool.exe"), std::string(5000, 't')) << "the run went on";
  EXPECT_TRUE(Logged("item: " + Scratch("Tool") + kPathDelim + "no such folder")) << ReadTextFile(log_);
}

TEST_F(SetupCommandLineTest, ASilentRunGivesUpOnARunningApplication) {
  const std::string mutex = UniqueName("ToolRunning");
  MakePackageAgain([&](TXInstall& s) {
    s.AppItems.First()->Mutex = mutex;
    s.AppItems.First()->MutexTitle = "Tool";
  });
  TNamedMutex running;
  ASSERT_TRUE(running.Create(mutex));
  EXPECT_EQ(RunSetup({"/silent"}, [](TXInstallEngine& e) { e.SilentWaitMs = 300; }), errCancelled);
  ASSERT_GE(Events().size(), 2u);
  EXPECT_TRUE(Events()[Events().size() - 2].starts_with("question: ")) << ReadTextFile(log_);
  EXPECT_TRUE(Events()[Events().size() - 2].ends_with("-> Cancel")) << ReadTextFile(log_);
  EXPECT_FALSE(FolderExists(Scratch("Tool")));
}

TEST_F(SetupCommandLineTest, AnAllUsersRunWithoutRightsRestartsElevatedOnce) {
  std::vector<std::string> started;
  auto record = [&](TXInstallEngine& e) {
    e.OnInit = [](TObject*) { RunSettings().HasAdminRights = false; };
    e.ElevatedStarter = [&](const std::string& program, const std::string& parameters) {
      started.push_back(program + "|" + parameters);
      return std::optional<uint32_t>(7);
    };
  };
  EXPECT_EQ(RunSetup({"/silent", "/allusers"}, record), 7) << "the copy's exit code";
  ASSERT_EQ(started.size(), 1u);
  EXPECT_EQ(started[0], ProgramFileName() + "|/file:" + package_ + " /log:" + log_ + " /silent /allusers /elevated");
  EXPECT_FALSE(FolderExists(Scratch("Tool"))) << "only the copy installs";
  EXPECT_TRUE(Logged("restart with administrator rights: "));
  EXPECT_TRUE(Logged("the restarted copy ended with exit code 7"));

  // The copy itself never restarts again, rights or not.
  started.clear();
  EXPECT_EQ(RunSetup({"/silent", "/allusers", "/elevated"}, record), 0);
  EXPECT_TRUE(started.empty());
  EXPECT_TRUE(FolderExists(Scratch("Tool")));
}

#endif

}  // namespace
}  // namespace xs
