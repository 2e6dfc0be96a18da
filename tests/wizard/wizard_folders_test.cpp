// The folder page, the program group page and the folder trees.
#include <algorithm>

#include "base/format.h"
#include "base/settings.h"
#include "lang/keys.h"
#include "platform/file_system.h"
#include "platform/shell_folders.h"
#include "wizard_fixture.h"

namespace xs {
namespace {

TEST_F(WizardTest, TheTreeSelectsTheNearestFolderItCan) {
  ASSERT_TRUE(ForceFolders(Scratch("A/B")));
  struct Case {
    const char* name;
    std::string proposed;
    std::set<std::string> selectable;
    std::vector<std::string> tried;
  } cases[] = {
      {"the folder itself", Scratch("A/B"), {Scratch("A/B")}, {"dest:" + Scratch("A/B")}},
      {"missing folders are passed over", Scratch("A/B/C/D"), {Scratch("A/B/")}, {"dest:" + Scratch("A/B/")}},
      {"a folder the tree refuses", Scratch("A/B"), {Scratch("A/")},
       {"dest:" + Scratch("A/B"), "dest:" + Scratch("A/")}},
  };
  engine.script.DefaultFolderExt = "Ext";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    engine.script.DefaultFolderName = c.proposed;
    window.selectable = c.selectable;
    window.tried.clear();
    TXInstallWizard& w = Prepare();
    EXPECT_EQ(window.tried, c.tried);
    // The tree's report is overwritten with the proposal.
    EXPECT_EQ(w.DestFolderEdit, c.proposed);
  }
  // Nothing selectable: the walk climbs to the root and ends there.
  engine.script.DefaultFolderName = Scratch("A/B");
  window.selectable.clear();
  window.tried.clear();
  Prepare();
  ASSERT_FALSE(window.tried.empty());
  EXPECT_LE(window.tried.back().size(), std::string("dest:/").size() + 3);
  RunSettings().InstallFolder = Scratch("A/Given") + kPathDelim;  // "/dir:" on the command line
  EXPECT_EQ(Prepare().DestFolderEdit, Scratch("A/Given"));
  engine.script.optAppUpdate = true;  // proposes "c:\", which the emulation lacks
  window.tried.clear();
  EXPECT_EQ(Prepare().DestFolderEdit, "c:\\");
}

TEST_F(WizardTest, AFolderPickedInTheTreeGetsTheDefaultExtension) {
  engine.script.DefaultFolderName = "c:\\Tools";
  engine.script.DefaultFolderExt = "Tools";
  struct Case {
    bool update;
    std::string picked;
    std::string edit;
  } cases[] = {
      {false, "d:\\Apps", IncludeTrailingPathDelimiter("d:\\Apps") + "Tools"},
      {false, "d:\\", "d:\\Tools"},
      {true, "d:\\Apps", "d:\\Apps"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.picked);
    engine.script.optAppAddOn = c.update;
    TXInstallWizard& w = Prepare();
    w.DestFolderTreeChange(c.picked);
    EXPECT_EQ(w.DestFolderEdit, c.edit);
  }
}

TEST_F(WizardTest, TheFolderChecksKeepTheUserOnTheFolderPage) {
  engine.script.DefaultFolderName = "c:\\Tools";
  engine.script.UpdateTitle = "Base";
  engine.old_versions = {"d:\\Old\\"};
  engine.update_targets = {"d:\\Base\\", "d:\\Old\\"};
  const TXLg& lg = ActiveLg();
  const std::string caption = lg.Translate(kLgFolderErrorCaption) + "|";
  const std::string old_text = caption + FormatTemplate(lg.Translate(kLgOldVersionText), {"Demo"});
  const std::string missing_text = caption + FormatTemplate(lg.Translate(kLgUpdateMissingText), {"Demo", "Demo"});
  struct Case {
    bool update;
    std::string earlier;  // the earlier-installation folder
    std::string folder;   // typed in
    std::vector<std::string> boxes;
    std::string label;
  } cases[] = {
      {false, "", "d:\\New", {}, FormatTemplate(lg.Translate(kLgFolderText), {"Demo"})},
      {false, "", "d:\\Old\\", {old_text}, FormatTemplate(lg.Translate(kLgFolderText), {"Demo"})},
      {true, "d:\\Base\\", "d:\\Base\\", {}, FormatTemplate(lg.Translate(kLgFolderUpdateText), {"Base"})},
      {true, "", "d:\\Elsewhere", {missing_text}, FormatTemplate(lg.Translate(kLgFolderFindText), {"Base"})},
      {true, "", "d:\\Old\\", {old_text}, FormatTemplate(lg.Translate(kLgFolderFindText), {"Base"})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.folder);
    engine.script.optAppUpdate = c.update;
    RunSettings().EarlierInstallFolder = c.earlier;
    boxes.clear();
    TXInstallWizard& w = Prepare();
    w.NextBtnClick();  // the components page is empty: on to the folder page
    ASSERT_EQ(w.CurrentPage(), spFolder);
    EXPECT_EQ(w.FolderAppLabel(), c.label);
    if (c.update) {
      EXPECT_EQ(w.DestFolderEdit, c.earlier.empty() ? "c:\\" : c.earlier);
    }
    w.DestFolderEdit = c.folder;
    w.NextBtnClick();
    EXPECT_EQ(boxes, c.boxes);
    EXPECT_EQ(w.CurrentPage(), c.boxes.empty() ? spStart : spFolder);
    EXPECT_EQ(RunSettings().InstallFolder, IncludeTrailingPathDelimiter(c.folder));
  }
}

TEST_F(WizardTest, TheGroupPageOffersTheExistingGroups) {
  const std::string programs = IncludeTrailingPathDelimiter(SpecialFolderPath(csidlPrograms, true));
  // On Windows that is the user's own start menu: left as it was found.
  struct Cleanup {
    std::string programs;
    ~Cleanup() {
      for (const char* folder : {"beta", "Alpha", "Gamma"}) RemoveFolder(programs + folder);
      RemoveFile(programs + "Aardvark.lnk");
    }
  } cleanup{programs};
  for (const char* folder : {"beta", "Alpha", "Gamma"}) ASSERT_TRUE(ForceFolders(programs + folder));
  ASSERT_TRUE(WriteTextFile(programs + "Aardvark.lnk", "not a group"));
  engine.script.DefaultGroupName = "Demo Tools";
  TXInstallWizard& w = Prepare();
  // The machine's own groups (a real start menu has some) stay in place.
  std::vector<std::string> ours;
  for (const std::string& name : w.ExistingFolders())
    if (name == "Alpha" || name == "beta" || name == "Gamma" || name == "Aardvark.lnk") ours.push_back(name);
  EXPECT_EQ(ours, (std::vector<std::string>{"Alpha", "beta", "Gamma"}));
  EXPECT_EQ(w.StartMenuFolderEdit, "Demo Tools");
  const auto beta = std::find(w.ExistingFolders().begin(), w.ExistingFolders().end(), "beta");
  ASSERT_NE(beta, w.ExistingFolders().end());
  w.ExistingFoldersListClick(static_cast<int>(beta - w.ExistingFolders().begin()));
  EXPECT_EQ(w.StartMenuFolderEdit, "beta");
  for (int outside : {-1, static_cast<int>(w.ExistingFolders().size())}) {
    w.ExistingFoldersListClick(outside);
    EXPECT_EQ(w.StartMenuFolderEdit, "beta");
  }
  RunSettings().GroupName = "Given Group";  // "/group:" on the command line
  EXPECT_EQ(Prepare().StartMenuFolderEdit, "Given Group");
}

TEST_F(WizardTest, TheUpgradePageProposesTheOldDataFolder) {
  AddUpgradeItem();
  RunSettings().OldDataFolder = "d:\\Data\\";
  window.selectable = {"d:\\Data\\"};
  TXInstallWizard& w = Prepare();
  EXPECT_EQ(window.tried, std::vector<std::string>{"upgrade:d:\\Data\\"});
  EXPECT_EQ(w.UpgradeFolderEdit, "d:\\Data\\");
  w.UpgradeFolderTreeChange("e:\\Other");
  EXPECT_EQ(w.UpgradeFolderEdit, "e:\\Other");
  // A folder the tree cannot show stays in the edit.
  window.selectable.clear();
  EXPECT_EQ(Prepare().UpgradeFolderEdit, "d:\\Data\\");
}

}  // namespace
}  // namespace xs
