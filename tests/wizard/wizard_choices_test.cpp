// The applications and components the user picks, the selection set and
// the summary.
#include "base/settings.h"
#include "wizard_fixture.h"

namespace xs {

void PrintTo(const TXSummaryLine& line, std::ostream* out) { *out << (line.Indented ? "  " : "") << line.Text; }

namespace {

std::vector<std::string> Labels(TXComponentsPanel& panel) {
  std::vector<std::string> labels;
  for (const TXPanelEntry& entry : panel.Entries())
    labels.push_back((entry.Kind == TXPanelEntryKind::Title ? "# " : entry.Checked ? "[x] " : "[ ] ") + entry.Text);
  return labels;
}

TEST_F(WizardTest, TheWelcomePageListsTheApplications) {
  TXUIAppItem& editor = AddApp("Editor", 0);
  // A German extension, and one for every other language.
  auto* german = static_cast<TXStringItem*>(editor.TitleExtension.Add());
  german->S = "Deutsch";
  german->LgID = 7;
  static_cast<TXStringItem*>(editor.TitleExtension.Add())->S = "2.0";
  AddApp("Viewer", 1, true);
  TXUIAppItem& runtime = AddApp("Runtime", 2, true);
  static_cast<TXStringItem*>(runtime.TitleExtension.Add())->S = "x64";
  engine.script.optShowApps = true;
  TXInstallWizard& w = Prepare();
  EXPECT_EQ(Labels(w.WelcomeComponents()),
            (std::vector<std::string>{"[x] Editor 2.0", "[x] Viewer (required)", "[x] Runtime x64 (required)"}));
  EXPECT_TRUE(w.WelcomeScrollVisible());
  // A required application cannot be unticked; the others can.
  w.WelcomeComponents().Click(1);
  w.WelcomeComponents().Click(0);
  EXPECT_EQ(Labels(w.WelcomeComponents())[0], "[ ] Editor 2.0");
  EXPECT_TRUE(w.WelcomeComponents().Checked(1));
}

TEST_F(WizardTest, LeavingTheWelcomePageRebuildsTheComponents) {
  AddApp("Editor", 0).optShowComponentsTitle = true;
  AddApp("Viewer", 1).optShowComponentsTitle = true;
  AddComponent("Spelling", 0, 10);
  AddComponent("Core", 0, 11, true);
  AddComponent("Rechtschreibung", 0, 12, false, 7);  // German only
  AddComponent("English help", 0, 13, false, 9);
  AddComponent("Plugins", 1, 20);
  struct Case {
    std::vector<int> unticked;  // on the welcome page
    std::vector<std::string> components;
    std::vector<int> selected_apps;
  } cases[] = {
      {{}, {"# Editor", "[x] Spelling", "[x] Core", "[x] English help", "# Viewer", "[x] Plugins"}, {0, 1}},
      {{1}, {"# Editor", "[x] Spelling", "[x] Core", "[x] English help"}, {0}},
      {{0}, {"# Viewer", "[x] Plugins"}, {1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.unticked.size());
    RunSettings().SelectedComponents.set();
    TXInstallWizard& w = Prepare();
    for (int i : c.unticked) w.WelcomeComponents().Click(i);
    w.NextBtnClick();
    ASSERT_EQ(w.CurrentPage(), spComponents);
    EXPECT_EQ(Labels(w.ComponentsList()), c.components);
    for (int app : {0, 1})
      EXPECT_EQ(RunSettings().SelectedComponents.test(app),
                std::count(c.selected_apps.begin(), c.selected_apps.end(), app) > 0);
    // Back and forth again: the list is built anew, the unticked stay out.
    w.BackBtnClick();
    w.NextBtnClick();
    EXPECT_EQ(Labels(w.ComponentsList()), c.components);
  }
  // One application: no title line, whatever it asks for.
  engine.script.AppItems.Delete(1);
  TXInstallWizard& w = Prepare();
  w.NextBtnClick();
  EXPECT_EQ(Labels(w.ComponentsList()),
            (std::vector<std::string>{"[x] Spelling", "[x] Core", "[x] English help"}));
}

TEST_F(WizardTest, AnEmptyComponentsPageIsPassedBothWays) {
  AddApp("Editor", 0);
  AddApp("Viewer", 1);
  AddComponent("Plugins", 1, 20);
  engine.script.DefaultGroupName = "Tools";
  TXInstallWizard& w = Prepare();
  w.WelcomeComponents().Click(1);  // the only application with components
  w.NextBtnClick();
  EXPECT_EQ(w.CurrentPage(), spIcons);
  EXPECT_EQ(w.ComponentsList().Count(), 0);
  w.BackBtnClick();
  EXPECT_EQ(w.CurrentPage(), spWelcome);
  // Ticked again, it has components and its page comes back.
  w.WelcomeComponents().Click(1);
  w.NextBtnClick();
  EXPECT_EQ(w.CurrentPage(), spComponents);
  w.NextBtnClick();
  w.BackBtnClick();
  EXPECT_EQ(w.CurrentPage(), spComponents);
}

TEST_F(WizardTest, TheSummaryListsTheChoicesAndWritesThem) {
  AddApp("Editor", 0);
  AddApp("Viewer", 1);
  AddComponent("Spelling", 0, 10);
  AddComponent("Core", 0, 11, true);
  AddComponent("Plugins", 1, 20);
  engine.script.DefaultFolderName = "c:\\Tools\\";
  engine.script.DefaultGroupName = "Tools";
  struct Case {
    const char* name;
    bool show_shortcut;
    bool shortcut_ticked;
    int untick_component;  // -1: none
    int untick_app;        // -1: none
    std::vector<TXSummaryLine> lines;
    std::vector<int> selected, unselected;
    bool desktop;
  } cases[] = {
      {"everything",
       true, true, -1, -1,
       {{"Destination folder:"}, {"c:\\Tools\\"}, {""}, {"Program group:"}, {"Tools"}, {""}, {"Selected components:"},
        {"Editor", true}, {"Spelling", true}, {"Core", true}, {"Viewer", true}, {"Plugins", true}, {""},
        {"Create a shortcut on the desktop"}},
       {0, 1, 10, 11, 20}, {}, true},
      {"a component and an application unticked, no shortcut offered",
       false, true, 0, 1,
       {{"Destination folder:"}, {"c:\\Tools\\"}, {""}, {"Program group:"}, {"Tools"}, {""}, {"Selected components:"},
        {"Editor", true}, {"Core", true}, {""}},
       {0, 11}, {1, 10}, false},
      {"the shortcut box unticked",
       true, false, -1, -1,
       {{"Destination folder:"}, {"c:\\Tools\\"}, {""}, {"Program group:"}, {"Tools"}, {""}, {"Selected components:"},
        {"Editor", true}, {"Spelling", true}, {"Core", true}, {"Viewer", true}, {"Plugins", true}, {""}},
       {0, 1, 10, 11, 20}, {}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RunSettings() = TXRunSettings{};
    RunSettings().SelectedComponents.set(20);  // left from before: Viewer's unticked plugin must go
    RunSettings().CreateDesktopShortcut = true;
    engine.script.optShowCreateDesktopShortcut = c.show_shortcut;
    TXInstallWizard& w = Prepare();
    EXPECT_EQ(w.CreateShortcutVisible(), c.show_shortcut);
    if (c.untick_app >= 0) w.WelcomeComponents().Click(c.untick_app);
    w.NextBtnClick();
    if (c.untick_component >= 0) w.ComponentsList().Click(c.untick_component);
    w.NextBtnClick();  // folder
    w.NextBtnClick();  // group
    w.CreateShortcutChecked = c.shortcut_ticked;
    w.NextBtnClick();
    ASSERT_EQ(w.CurrentPage(), spStart);
    EXPECT_EQ(w.Summary(), c.lines);
    for (int bit : c.selected) EXPECT_TRUE(RunSettings().SelectedComponents.test(bit)) << bit;
    for (int bit : c.unselected) EXPECT_FALSE(RunSettings().SelectedComponents.test(bit)) << bit;
    EXPECT_EQ(RunSettings().CreateDesktopShortcut, c.desktop);
    EXPECT_EQ(RunSettings().GroupName, "Tools");
  }
  // An emptied group edit leaves the group out of the summary and the run.
  TXInstallWizard& w = Prepare();
  for (int i = 0; i < 3; ++i) w.NextBtnClick();
  w.StartMenuFolderEdit.clear();
  w.NextBtnClick();
  EXPECT_EQ(RunSettings().GroupName, "");
  EXPECT_EQ(w.Summary()[3], (TXSummaryLine{"Selected components:"}));
}

}  // namespace
}  // namespace xs
