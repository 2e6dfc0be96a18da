#include "wizard/install_wizard.h"

#include <algorithm>

#include "base/format.h"
#include "base/settings.h"
#include "lang/keys.h"
#include "lang/language.h"
#include "platform/file_system.h"
#include "script/path_macros.h"
#include "ui/message_box.h"
#include "wizard/link_open.h"

namespace xs {

namespace {
struct TXPageLook {
  const char* Label;
  bool Back;  // shown
  bool Next;  // shown
};

// Indexed by page number.
constexpr TXPageLook kPageLook[] = {
    {kLgSetupTitle, false, true},       {kLgReadmeTitle, true, true},    {kLgLicenseTitle, true, true},
    {kLgComponentsTitle, true, true},   {kLgFolderTitle, true, true},    {kLgIconsTitle, true, true},
    {kLgInstallButton, true, true},     {kLgSetupTitle, false, false},   {kLgUpgradeTitle, false, true},
    {kLgUpgradingTitle, false, false},  {kLgFinishTitle, false, false},
};
}  // namespace

TXInstallWizard::TXInstallWizard(TXWizardEngine& engine, TXWizardWindow& window, const TXTextMeasurer& measurer,
                                 int welcome_panel_width, int components_panel_width)
    : engine_(engine),
      window_(window),
      welcome_components_(welcome_panel_width, measurer),
      components_list_(components_panel_width, measurer) {}

bool TXInstallWizard::IsUpdate() const { return Script().optAppUpdate || Script().optAppAddOn; }

void TXInstallWizard::Prepare() {
  ApplyTexts();
  sequence_ = {spWelcome};
  AddApplications();
  if (!Script().GetReadmeText().empty()) sequence_.push_back(spReadme);
  if (!Script().GetLicenseText().empty()) sequence_.push_back(spLicense);
  sequence_.push_back(spComponents);
  PrepareFolderPage();
  PrepareIconsPage();
  sequence_.push_back(spStart);
  sequence_.push_back(spInstalling);
  const std::string& old_data = RunSettings().OldDataFolder;
  if (!old_data.empty() && Script().UpgradeItems.Count() > 0) {
    sequence_.push_back(spUpgrade);
    UpgradeFolderEdit = old_data;
    // A folder the tree cannot select stays in the edit all the same.
    window_.SelectFolder(TXFolderTree::Upgrade, old_data);
    sequence_.push_back(spUpgrading);
  }
  sequence_.push_back(spFinish);
  const TXUIAppCollection& apps = Script().AppItems;
  launch_visible_ = apps.Count() > 0 && !apps.GetItem(0)->Launch.empty();
  position_ = 0;
  ActivatePage();
}

bool TXInstallWizard::Step(int step) {
  const int last = static_cast<int>(sequence_.size()) - 1;
  int position = static_cast<int>(position_) + step;
  if (position < 0 || position > last) return false;
  // Only the page the first step reaches may be passed over.
  bool pass = false;
  switch (sequence_[position]) {
    case spReadme:
      readme_ = Script().GetReadmeText();
      pass = readme_.empty();
      break;
    case spLicense:
      license_ = Script().GetLicenseText();
      pass = license_.empty();
      break;
    case spComponents: pass = components_list_.Count() == 0; break;
    default: break;
  }
  if (pass) position = std::clamp(position + step, 0, last);
  position_ = static_cast<size_t>(position);
  return true;
}

void TXInstallWizard::ActivatePage() {
  const TSetupPage page = CurrentPage();
  const TXLg& lg = ActiveLg();
  const TXPageLook& look = kPageLook[page];
  page_label_ = lg.Translate(look.Label);
  back_.Visible = look.Back;
  next_.Visible = look.Next;
  switch (page) {
    case spWelcome: cancel_.Text = lg.Translate(kLgCancelButton); break;
    case spLicense: next_.Enabled = license_checked_; break;
    case spFolder: {
      const TXInstall& script = Script();
      if (!IsUpdate())
        folder_app_label_ = FormatTemplate(lg.Translate(kLgFolderText), {script.Title});
      else
        folder_app_label_ = FormatTemplate(
            lg.Translate(RunSettings().EarlierInstallFolder.empty() ? kLgFolderFindText : kLgFolderUpdateText),
            {script.UpdateTitle});
      break;
    }
    case spStart:
      next_.Text = lg.Translate(kLgInstallButton);
      FillSummary();
      break;
    case spInstalling:
    case spUpgrading:
      cancel_ = {lg.Translate(kLgCancelButton), true, false};
      if (page == spUpgrading) ConnectProgress(upgrade_progress_);
      break;
    case spUpgrade:
      next_.Text = lg.Translate(kLgUpgradeTitle);
      cancel_ = {lg.Translate(kLgSkipImportButton), true, true};
      break;
    case spFinish: cancel_ = {lg.Translate(kLgCloseButton), true, true}; break;
    default: break;
  }
  window_.PageActivated();
}

void TXInstallWizard::NextBtnClick() {
  switch (CurrentPage()) {
    case spWelcome: LeaveWelcome(); break;
    case spFolder:
      if (!LeaveFolder()) return;
      break;
    case spUpgrade: RunSettings().OldDataFolder = IncludeTrailingPathDelimiter(UpgradeFolderEdit); break;
    default: break;
  }
  if (!Step(1)) return;
  ActivatePage();
  if (CurrentPage() == spInstalling) RunInstall();
  if (CurrentPage() == spUpgrading) RunUpgrade();
}

void TXInstallWizard::BackBtnClick() {
  if (CurrentPage() == spLicense) next_.Enabled = true;
  if (CurrentPage() == spStart) next_.Text = NextText();
  if (!Step(-1)) return;
  ActivatePage();
}

void TXInstallWizard::CancelBtnClick() {
  if (CurrentPage() != spUpgrade) {
    window_.Close();
    return;
  }
  position_ = std::min(position_ + 2, sequence_.size() - 1);
  ActivatePage();
}

bool TXInstallWizard::FormCloseQuery() {
  if (CurrentPage() == spFinish) {
    const TXUIAppCollection& apps = Script().AppItems;
    if (launch_visible_ && LaunchChecked && apps.Count() > 0 && !apps.GetItem(0)->Launch.empty()) {
      const TXUIAppItem& app = *apps.GetItem(0);
      engine_.Launch(app.LaunchOperation, ExpandPathMacros(app.Launch), ExpandPathMacros(app.LaunchParams));
    }
    return true;
  }
  const TXLg& lg = ActiveLg();
  return ShowMessageBox(lg.Translate(kLgExitQuestion), lg.Translate(kLgExitSetupButton), IconWarning,
                        TXButtonFrame::TXCmdResumeExitSetup, mrOK) == mrCancel;
}

void TXInstallWizard::LicenseChkClick(bool checked) {
  license_checked_ = checked;
  next_.Enabled = checked;
}

TXWizardProgressFunc TXInstallWizard::ConnectProgress(TXWizardProgress& progress) {
  TXWizardProgressFunc report = [this, &progress](TXUISection section, int position, const std::string& text) {
    progress.Report(engine_.SectionTitle(section), position, text);
    window_.ProcessMessages();
  };
  engine_.SetProgressSlot(report, [this, &progress](uint64_t written, uint64_t total, int end) {
    progress.Bytes(written, total, end);
    window_.ProcessMessages();
  });
  return report;
}

void TXInstallWizard::RichEditURLClick(const std::string& link) {
  if (link.find("mailto:") != std::string::npos)
    OpenMailLink(engine_, link, true);
  else
    OpenWebLink(engine_, link, true);
}

void TXInstallWizard::EnterPressed() {
  if (next_.Visible && next_.Enabled) NextBtnClick();
}

void TXInstallWizard::EscapePressed() {
  if (cancel_.Visible && cancel_.Enabled) CancelBtnClick();
}

void TXInstallWizard::RunInstall() {
  ConnectProgress(install_progress_)(isTemp, 1, "");
  installed_ = engine_.InstallRun();
  if (!installed_) {
    window_.Terminate();
    return;
  }
  if (!Step(1)) return;
  ActivatePage();
}

void TXInstallWizard::RunUpgrade() {
  engine_.UpgradeRun();
  if (!Step(1)) return;
  ActivatePage();
}

}  // namespace xs
