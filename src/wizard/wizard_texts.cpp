// The wizard's texts from the active language and the script.
#include "base/format.h"
#include "lang/keys.h"
#include "lang/language.h"
#include "wizard/install_wizard.h"

namespace xs {

std::string TXInstallWizard::ScriptText(const std::string& name) const { return Script().FindText(0, name); }

std::string TXInstallWizard::NextText() const { return ActiveLg().Translate(kLgNextButton) + " >"; }

void TXInstallWizard::ApplyTexts() {
  const TXLg& lg = ActiveLg();
  back_.Text = "< " + lg.Translate(kLgBackButton);
  next_.Text = NextText();
  cancel_.Text = lg.Translate(kLgCancelButton);
  TXWizardTexts& t = texts_;
  t.LicenseChk = lg.Translate(kLgAcceptLicense);
  t.IconsIntro = lg.Translate(kLgIconsIntro);
  t.IconsHint = lg.Translate(kLgIconsHint);
  t.GroupLabel = lg.Translate(kLgGroupLabel);
  t.ExistingGroups = lg.Translate(kLgExistingGroupsLabel);
  t.CreateShortcutChk = lg.Translate(kLgDesktopShortcut);
  t.ReadyToInstall = lg.Translate(kLgReadyToInstall);
  t.ClickInstall = lg.Translate(kLgClickInstall);
  t.ImportIntro = lg.Translate(kLgImportIntro);
  t.LaunchChk = lg.Translate(kLgLaunchNow);
  t.CurrentSettings = lg.Translate(kLgCurrentSettingsLabel) + ":";
  t.OldDataFolder = lg.Translate(kLgOldDataFolderLabel) + ":";
  const std::string& title = Script().Title;
  t.Caption = lg.Translate(kLgSetupTitle) + ": " + title;
  t.Copyright = ScriptText("copyright");
  t.WelcomeTitle = title;
  t.WelcomeDefault = FormatTemplate(lg.Translate(kLgWelcomeText), {title});
  const std::string welcome = ScriptText("welcome");
  if (!welcome.empty()) t.WelcomeDefault += "\r\n\r\n" + welcome;
  t.Finish = FormatTemplate(lg.Translate(kLgFinishText), {title});
}

}  // namespace xs
