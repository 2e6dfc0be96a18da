// The page sequence, and how Next, Back and Cancel walk it.
#include <functional>

#include "base/settings.h"
#include "lang/keys.h"
#include "wizard_fixture.h"

namespace xs {
namespace {

TEST_F(WizardTest, TheScriptDecidesWhichPagesAreWalked) {
  struct Case {
    const char* name;
    std::function<void(WizardTest&)> setup;
    std::vector<TSetupPage> sequence;
    std::vector<TSetupPage> next_walk;  // the pages after each Next
    std::vector<TSetupPage> back_walk;  // from the start page, after each Back
  } cases[] = {
      {"bare",
       [](WizardTest&) {},
       {spWelcome, spComponents, spStart, spInstalling, spFinish},
       {spStart, spFinish},
       {spWelcome}},
      {"everything",
       [](WizardTest& t) {
         t.AddApp("Tool", 0);
         t.AddComponent("Core", 0, 1);
         t.AddText("readme", "Read me");
         t.AddText("license", "Agree");
         t.engine.script.DefaultFolderName = "<pf>\\Tool";
         t.engine.script.DefaultGroupName = "Tool";
         t.AddUpgradeItem();
         RunSettings().OldDataFolder = "c:\\old\\";
       },
       {spWelcome, spReadme, spLicense, spComponents, spFolder, spIcons, spStart, spInstalling, spUpgrade,
        spUpgrading, spFinish},
       {spReadme, spLicense, spComponents, spFolder, spIcons, spStart, spUpgrade, spFinish},
       {spIcons, spFolder, spComponents, spLicense, spReadme, spWelcome}},
      {"licence without readme; components of no application",
       [](WizardTest& t) {
         t.AddApp("Tool", 0);
         t.AddComponent("Other", 5, 1);
         t.AddText("license", "Agree");
       },
       {spWelcome, spLicense, spComponents, spStart, spInstalling, spFinish},
       {spLicense, spStart, spFinish},
       {spLicense, spWelcome}},
      {"an old-data folder without upgrade items",
       [](WizardTest& t) { RunSettings().OldDataFolder = "c:\\old\\"; },
       {spWelcome, spComponents, spStart, spInstalling, spFinish},
       {spStart, spFinish},
       {spWelcome}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    engine.script.Clear();
    engine.script.Title = "Demo";
    RunSettings() = TXRunSettings{};
    window.activated.clear();
    c.setup(*this);
    TXInstallWizard& w = Prepare();
    EXPECT_EQ(w.PageSequence(), c.sequence);
    EXPECT_EQ(window.activated, std::vector<TSetupPage>{spWelcome});
    // Back on the welcome page goes nowhere.
    w.BackBtnClick();
    EXPECT_EQ(w.CurrentPage(), spWelcome);

    engine.installs = engine.upgrades = 0;
    EXPECT_EQ(NextToTheEnd(), c.next_walk);
    EXPECT_EQ(engine.installs, 1);
    // The installing page was shown before the run, and left after it.
    EXPECT_NE(std::find(window.activated.begin(), window.activated.end(), spInstalling), window.activated.end());
    EXPECT_EQ(engine.upgrades, std::count(c.sequence.begin(), c.sequence.end(), spUpgrading));

    // Back from the start page, in a wizard prepared anew.
    TXInstallWizard& again = Prepare();
    while (again.CurrentPage() != spStart) {
      if (again.CurrentPage() == spLicense) again.LicenseChkClick(true);
      again.NextBtnClick();
    }
    std::vector<TSetupPage> back;
    while (again.CurrentPage() != spWelcome) {
      again.BackBtnClick();
      back.push_back(again.CurrentPage());
    }
    EXPECT_EQ(back, c.back_walk);
  }
}

TEST_F(WizardTest, EachPageShowsItsButtons) {
  AddApp("Tool", 0);
  AddComponent("Core", 0, 1);
  AddText("readme", "Read me");
  AddText("license", "Agree");
  engine.script.DefaultFolderName = "c:\\Tool";
  engine.script.DefaultGroupName = "Tool";
  AddUpgradeItem();
  RunSettings().OldDataFolder = "c:\\old\\";
  TXInstallWizard& w = Prepare();

  struct Look {
    TSetupPage page;
    std::string label;
    bool back;
    std::string next;  // "" hidden
    bool next_enabled;
    std::string cancel;
    bool cancel_enabled;
  };
  // What each page shows once reached with Next; the licence page before
  // its box is ticked.
  const std::vector<Look> looks = {
      {spWelcome, "Setup", false, "Next >", true, "Cancel", true},
      {spReadme, "Important Information", true, "Next >", true, "Cancel", true},
      {spLicense, "License Agreement", true, "Next >", false, "Cancel", true},
      {spComponents, "Select Components", true, "Next >", true, "Cancel", true},
      {spFolder, "Destination Folder", true, "Next >", true, "Cancel", true},
      {spIcons, "Program Group", true, "Next >", true, "Cancel", true},
      {spStart, "Install", true, "Install", true, "Cancel", true},
      {spUpgrade, "Import Data", false, "Import Data", true, "Skip", true},
      {spFinish, "Setup Complete", false, "", true, "Close", true},
  };
  for (const Look& look : looks) {
    SCOPED_TRACE(look.page);
    if (look.page != spWelcome) {
      if (w.CurrentPage() == spLicense) w.LicenseChkClick(true);
      w.NextBtnClick();
    }
    ASSERT_EQ(w.CurrentPage(), look.page);
    EXPECT_EQ(w.PageLabel(), look.label);
    EXPECT_EQ(w.BackBtn().Visible, look.back);
    if (look.back) {
      EXPECT_EQ(w.BackBtn().Text, "< Back");
    }
    EXPECT_EQ(w.NextBtn().Visible, !look.next.empty());
    if (!look.next.empty()) {
      EXPECT_EQ(w.NextBtn().Text, look.next);
      EXPECT_EQ(w.NextBtn().Enabled, look.next_enabled);
    }
    EXPECT_TRUE(w.CancelBtn().Visible);
    EXPECT_EQ(w.CancelBtn().Text, look.cancel);
    EXPECT_EQ(w.CancelBtn().Enabled, look.cancel_enabled);
  }
}

TEST_F(WizardTest, TheLicenceBoxHoldsNextAndTheStartPageRenamesIt) {
  AddText("license", "Agree");
  TXInstallWizard& w = Prepare();
  w.NextBtnClick();
  ASSERT_EQ(w.CurrentPage(), spLicense);
  EXPECT_EQ(w.LicenseText(), "Agree");
  EXPECT_FALSE(w.NextBtn().Enabled);
  w.LicenseChkClick(true);
  EXPECT_TRUE(w.NextBtn().Enabled);
  w.LicenseChkClick(false);
  EXPECT_FALSE(w.NextBtn().Enabled);
  // A view that lets Next through anyway is not the model's concern; Back
  // gives Next back to the welcome page.
  w.BackBtnClick();
  EXPECT_EQ(w.CurrentPage(), spWelcome);
  EXPECT_TRUE(w.NextBtn().Enabled);
  // Coming back, the box still unticked holds Next again; ticked, it lets go.
  w.NextBtnClick();
  EXPECT_FALSE(w.NextBtn().Enabled);
  w.LicenseChkClick(true);
  w.NextBtnClick();
  ASSERT_EQ(w.CurrentPage(), spStart);
  EXPECT_EQ(w.NextBtn().Text, "Install");
  w.BackBtnClick();
  EXPECT_EQ(w.CurrentPage(), spLicense);
  EXPECT_EQ(w.NextBtn().Text, "Next >");
  EXPECT_TRUE(w.NextBtn().Enabled);
}

TEST_F(WizardTest, CancelAndCloseOnEachPage) {
  AddApp("Tool", 0).Launch = "c:\\Tool\\Tool.exe";
  engine.script.AppItems.GetItem(0)->LaunchParams = "/first";
  AddUpgradeItem();
  RunSettings().OldDataFolder = "c:\\old\\";
  struct Case {
    TSetupPage page;
    int answer;
    bool closed;
    TSetupPage after;
    size_t questions;
  } cases[] = {
      {spWelcome, mrOK, false, spWelcome, 1},       // Resume
      {spWelcome, mrCancel, true, spWelcome, 1},    // Exit Setup
      {spStart, mrCancel, true, spStart, 1},
      {spStart, mrOK, false, spStart, 1},
      {spUpgrade, mrCancel, false, spFinish, 0},    // skips the import
      {spFinish, mrOK, true, spFinish, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.page << " answered " << c.answer);
    TXInstallWizard& w = Prepare();
    while (w.CurrentPage() != c.page) w.NextBtnClick();
    boxes.clear();
    window.closed = false;
    answer = c.answer;
    const int upgrades = engine.upgrades;
    w.CancelBtnClick();
    EXPECT_EQ(engine.upgrades, upgrades);
    EXPECT_EQ(window.closed, c.closed);
    EXPECT_EQ(w.CurrentPage(), c.after);
    ASSERT_EQ(boxes.size(), c.questions);
    if (c.questions) {
      EXPECT_EQ(boxes.at(0), "Exit Setup|" + ActiveLg().Translate(kLgExitQuestion));
    }
  }
  // Only the finish page's close launched.
  EXPECT_EQ(engine.launched, std::vector<std::string>{"open|c:\\Tool\\Tool.exe|/first"});
}

TEST_F(WizardTest, FinishLaunchesOnlyWhenAskedTo) {
  struct Case {
    const char* launch;
    bool checked;
    size_t launched;
  } cases[] = {{"c:\\Tool\\Tool.exe", true, 1}, {"c:\\Tool\\Tool.exe", false, 0}, {"", true, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.launch);
    engine.script.Clear();
    engine.launched.clear();
    TXUIAppItem& app = AddApp("Tool", 0);
    app.Launch = c.launch;
    app.LaunchOperation = "runas";
    TXInstallWizard& w = Prepare();
    EXPECT_EQ(w.LaunchVisible(), *c.launch != 0);
    NextToTheEnd();
    w.LaunchChecked = c.checked;
    EXPECT_TRUE(w.FormCloseQuery());
    ASSERT_EQ(engine.launched.size(), c.launched);
    if (c.launched) {
      EXPECT_EQ(engine.launched[0], "runas|c:\\Tool\\Tool.exe|");
    }
  }
}

TEST_F(WizardTest, TheRunsReportOnTheirPages) {
  engine.run_reports = {{isFile, 40, "c:\\Tool\\big.dat"}};
  AddUpgradeItem();
  RunSettings().OldDataFolder = "c:\\old\\";
  TXInstallWizard& w = Prepare();
  w.NextBtnClick();  // start page
  w.NextBtnClick();  // installs, then the upgrade page
  ASSERT_EQ(w.CurrentPage(), spUpgrade);
  EXPECT_EQ(w.InstallProgress().SectionLabel(), "section " + std::to_string(isFile));
  EXPECT_EQ(w.InstallProgress().FileLabel(), "c:\\Tool\\big.dat");
  EXPECT_EQ(w.InstallProgress().BarPosition(), 400);
  EXPECT_GE(window.pumps, 2);  // the opening report and the item's
  // The large file's bytes move the bar within the item's share.
  engine.bytes(48u << 20, 64u << 20, 60);
  EXPECT_EQ(w.InstallProgress().BarPosition(), 550);

  w.UpgradeFolderEdit = "d:\\data\\";
  w.NextBtnClick();
  EXPECT_EQ(RunSettings().OldDataFolder, "d:\\data\\");
  EXPECT_EQ(engine.upgrades, 1);
  EXPECT_EQ(w.CurrentPage(), spFinish);
  // The upgrade run reported to its own page.
  engine.progress(isReg, 70, "key");
  EXPECT_EQ(w.UpgradeProgress().FileLabel(), "key");
  EXPECT_EQ(w.InstallProgress().FileLabel(), "c:\\Tool\\big.dat  (48 of 64 MB)");
}

TEST_F(WizardTest, AFailedInstallEndsTheProgram) {
  engine.install_result = false;
  TXInstallWizard& w = Prepare();
  w.NextBtnClick();
  w.NextBtnClick();
  EXPECT_EQ(engine.installs, 1);
  EXPECT_TRUE(window.terminated);
  EXPECT_EQ(w.CurrentPage(), spInstalling);
  EXPECT_FALSE(w.BackBtn().Visible);
  EXPECT_FALSE(w.NextBtn().Visible);
  EXPECT_FALSE(w.CancelBtn().Enabled);
}

}  // namespace
}  // namespace xs
