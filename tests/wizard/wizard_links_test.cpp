// The links of the readme and licence texts, and the keyboard.
#include "base/format.h"
#include "base/settings.h"
#include "lang/keys.h"
#include "wizard/link_open.h"
#include "wizard_fixture.h"

namespace xs {
namespace {

TEST_F(WizardTest, ALinkOpensThroughTheShellElseItsProtocol) {
  const TXLg& lg = ActiveLg();
  const std::string caption = lg.Translate(kLgLinkErrorCaption) + "|";
  struct Case {
    std::string link;
    bool shell;
    std::set<std::string> protocols;
    std::vector<std::string> launched;
    std::vector<std::string> boxes;
  } cases[] = {
      {"https://example.org/", true, {}, {"open|https://example.org/|"}, {}},
      {"https://example.org/", false, {"http"}, {"http:https://example.org/"}, {}},
      {"https://example.org/", false, {"mailto"}, {},
       {caption + FormatTemplate(lg.Translate(kLgWebLinkError), {"https://example.org/"})}},
      {"mailto:help@example.org", true, {}, {"open|mailto:help@example.org|"}, {}},
      {"Write to mailto:help@example.org", false, {"mailto"}, {"mailto:Write to mailto:help@example.org"}, {}},
      {"mailto:help@example.org", false, {"http"}, {},
       {caption + FormatTemplate(lg.Translate(kLgMailLinkError), {"mailto:help@example.org"})}},
  };
  TXInstallWizard& w = Prepare();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.link);
    engine.shell_works = c.shell;
    engine.protocols = c.protocols;
    engine.launched.clear();
    boxes.clear();
    w.RichEditURLClick(c.link);
    EXPECT_EQ(engine.launched, c.launched);
    EXPECT_EQ(boxes, c.boxes);
  }
  // A mail address gets its scheme; without reporting a failure is silent.
  engine.shell_works = true;
  engine.launched.clear();
  EXPECT_TRUE(OpenMailLink(engine, "help@example.org", false));
  EXPECT_TRUE(OpenMailLink(engine, "MAILTO:help@example.org", false));
  EXPECT_EQ(engine.launched,
            (std::vector<std::string>{"open|mailto:help@example.org|", "open|MAILTO:help@example.org|"}));
  engine.shell_works = false;
  engine.protocols.clear();
  boxes.clear();
  EXPECT_FALSE(OpenWebLink(engine, "https://example.org/", false));
  EXPECT_TRUE(boxes.empty());
}

TEST_F(WizardTest, EnterAndEscPressOnlyButtonsThatCanBePressed) {
  AddText("license", "Agree");
  AddUpgradeItem();
  RunSettings().OldDataFolder = "c:\\old\\";
  TXInstallWizard& w = Prepare();
  answer = mrOK;  // Resume
  w.EscapePressed();
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_FALSE(window.closed);
  w.EnterPressed();
  ASSERT_EQ(w.CurrentPage(), spLicense);
  w.EnterPressed();  // the box is not ticked
  EXPECT_EQ(w.CurrentPage(), spLicense);
  w.LicenseChkClick(true);
  w.EnterPressed();
  w.EnterPressed();  // installs
  ASSERT_EQ(w.CurrentPage(), spUpgrade);
  w.EscapePressed();  // skips the import
  EXPECT_EQ(w.CurrentPage(), spFinish);
  EXPECT_EQ(engine.upgrades, 0);
  w.EnterPressed();  // no Next here
  EXPECT_FALSE(window.closed);
  w.EscapePressed();
  EXPECT_TRUE(window.closed);
  EXPECT_EQ(boxes.size(), 1u);

  // While the installing page stays (a failed run), Esc does nothing.
  engine.install_result = false;
  TXInstallWizard& failed = Prepare();
  failed.NextBtnClick();
  failed.LicenseChkClick(true);
  failed.NextBtnClick();
  failed.NextBtnClick();
  ASSERT_EQ(failed.CurrentPage(), spInstalling);
  boxes.clear();
  failed.EscapePressed();
  failed.EnterPressed();
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(engine.installs, 2);
}

}  // namespace
}  // namespace xs
