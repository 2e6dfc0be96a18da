// End to end on the emulated machine: a package made here is loaded from
// "/file:", installed by the install run, installed again over itself, and
// then the uninstall engine reverses everything from the undo log.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "base/settings.h"
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

  // What the test can see of the machine: the files below the scratch
  // folder with their contents, the test's registry key and the uninstall
  // list, with their values.
  std::map<std::string, std::string> Machine() {
    std::map<std::string, std::string> seen;
    std::function<void(const std::string&)> walk = [&](const std::string& folder) {
      std::vector<TSearchRec> found;
      FindFiles(folder, "*.*", found);
      for (const TSearchRec& entry : found) {
        if (entry.Name == "." || entry.Name == "..") continue;
        std::string path = folder + kPathDelim + entry.Name;
        if (entry.Attr & faDirectory) {
          seen[path + kPathDelim] = "";
          walk(path);
        } else {
          seen[path] = ReadTextFile(path);
        }
      }
    };
    walk(Scratch("").substr(0, Scratch("").size() - 1));
    std::function<void(const std::string&)> keys = [&](const std::string& key) {
      TXRegistry registry(kHKeyCurrentUser);
      if (!registry.OpenKeyReadOnly(key)) return;
      std::vector<std::string> names, subkeys;
      registry.GetValueNames(names);
      for (const std::string& name : names) seen[key + "|" + name] = registry.ReadValue(name)->Data;
      registry.GetKeyNames(subkeys);
      for (const std::string& sub : subkeys) keys(key + "\\" + sub);
    };
    keys(TestKey());
    keys(kUninstallKey);
    return seen;
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
  EXPECT_EQ(first.size(), 17u);  // folder, 2 files, key, value, entry key and 10 values, the log

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

}  // namespace
}  // namespace xs
