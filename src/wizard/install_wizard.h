// The installation wizard's model: the pages, the way Next, Back and Cancel
// walk them, what every control shows and what the user's choices write
// into the run-wide settings. The window (the view) shows this state after
// every input it forwards, and whenever PageActivated asks it to.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/text_measurer.h"
#include "wizard/components_panel.h"
#include "wizard/wizard_engine.h"
#include "wizard/wizard_progress.h"

namespace xs {

// The notebook's pages, numbered as the notebook holds them.
enum TSetupPage : int {
  spWelcome,
  spReadme,
  spLicense,
  spComponents,
  spFolder,
  spIcons,
  spStart,
  spInstalling,
  spUpgrade,
  spUpgrading,
  spFinish,
};

struct TXWizardButton {
  std::string Text;
  bool Visible = true;
  bool Enabled = true;
};

// A line of the summary; the applications and components are indented as
// a list.
struct TXSummaryLine {
  std::string Text;
  bool Indented = false;
  bool operator==(const TXSummaryLine&) const = default;
};

// The texts of the labels and check boxes that the model does not change
// while it runs.
struct TXWizardTexts {
  std::string Caption;
  std::string WelcomeTitle;    // WelcomeTitleLabel
  std::string WelcomeDefault;  // WelcomeDefaultLabel
  std::string Copyright;       // CopyLabel
  std::string Finish;          // FinishLabel
  std::string LicenseChk;
  std::string IconsIntro;      // Label1
  std::string IconsHint;       // Label2
  std::string GroupLabel;      // Label3
  std::string ExistingGroups;  // Label4
  std::string CreateShortcutChk;
  std::string ReadyToInstall;  // Label9
  std::string ClickInstall;    // Label5
  std::string CurrentSettings; // Label10
  std::string ImportIntro;     // Label7
  std::string OldDataFolder;   // Label12
  std::string LaunchChk;
};

class TXInstallWizard {
 public:
  // engine and window are borrowed and outlive the model. The panels are
  // laid out with measurer (borrowed) at the given client widths.
  TXInstallWizard(TXWizardEngine& engine, TXWizardWindow& window, const TXTextMeasurer& measurer,
                  int welcome_panel_width, int components_panel_width);

  // Sets every text from the active language (and the script); called on
  // creation and whenever the language changes.
  void ApplyTexts();
  // Builds the page sequence from the script and the run-wide settings and
  // activates the first page. Called once, before the window is first shown.
  void Prepare();

  // The user's input.
  void NextBtnClick();
  void BackBtnClick();
  void CancelBtnClick();
  // Whether the window may close: on the finish page it may (after the
  // launch, when asked for); anywhere else only when the user answers the
  // Resume / Exit Setup question with Exit Setup.
  bool FormCloseQuery();
  void LicenseChkClick(bool checked);
  // An entry of ExistingFolders was selected; -1 for none.
  void ExistingFoldersListClick(int index);
  // A tree reports the folder it now selects.
  void DestFolderTreeChange(const std::string& path);
  void UpgradeFolderTreeChange(const std::string& path);
  // A click on a link of the readme or licence text: a link holding
  // "mailto:" opens as a mail link, any other as a web link; a failure is
  // reported to the user.
  void RichEditURLClick(const std::string& link);
  // The keyboard: Enter presses Next and Esc the Cancel button, each only
  // while its button is shown and enabled.
  void EnterPressed();
  void EscapePressed();
  // What the edits and check boxes hold; the view writes them as the user
  // changes them.
  std::string DestFolderEdit;
  std::string StartMenuFolderEdit;
  std::string UpgradeFolderEdit;
  bool CreateShortcutChecked = true;
  bool LaunchChecked = true;

  // What the window shows; the script gives the banner design.
  const TXInstall& Script() const { return engine_.Script(); }
  TSetupPage CurrentPage() const { return sequence_.empty() ? spWelcome : sequence_[position_]; }
  const std::vector<TSetupPage>& PageSequence() const { return sequence_; }
  const TXWizardTexts& Texts() const { return texts_; }
  const std::string& PageLabel() const { return page_label_; }
  const TXWizardButton& BackBtn() const { return back_; }
  const TXWizardButton& NextBtn() const { return next_; }
  const TXWizardButton& CancelBtn() const { return cancel_; }
  const std::string& FolderAppLabel() const { return folder_app_label_; }
  bool LicenseChecked() const { return license_checked_; }
  bool WelcomeScrollVisible() const { return welcome_scroll_visible_; }
  bool CreateShortcutVisible() const { return create_shortcut_visible_; }
  bool LaunchVisible() const { return launch_visible_; }
  // The readme or licence text shown on its page: rich text when it begins
  // with "{\rtf", else plain text.
  const std::string& ReadmeText() const { return readme_; }
  const std::string& LicenseText() const { return license_; }
  // The sub-folders of the user's start-menu programs folder, sorted.
  const std::vector<std::string>& ExistingFolders() const { return existing_folders_; }
  const std::vector<TXSummaryLine>& Summary() const { return summary_; }
  TXComponentsPanel& WelcomeComponents() { return welcome_components_; }
  TXComponentsPanel& ComponentsList() { return components_list_; }
  const TXWizardProgress& InstallProgress() const { return install_progress_; }
  const TXWizardProgress& UpgradeProgress() const { return upgrade_progress_; }
  // Whether the install run completed.
  bool Installed() const { return installed_; }

 private:
  bool IsUpdate() const;
  // The run-wide language's text of the script named name.
  std::string ScriptText(const std::string& name) const;

  void AddApplications();
  void PrepareFolderPage();
  void PrepareIconsPage();
  void ActivatePage();
  // Moves position_ by step, and once more past an empty readme, licence or
  // components page; false at either end.
  bool Step(int step);
  void LeaveWelcome();
  void RebuildComponents();
  // False when the folder fails the version checks (the user was told).
  bool LeaveFolder();
  void FillSummary();
  // Points the engine's progress slot at progress; returns the item report
  // handler.
  TXWizardProgressFunc ConnectProgress(TXWizardProgress& progress);
  void RunInstall();
  void RunUpgrade();
  // Selects folder or its nearest ancestor that the tree can select.
  void SelectNearestFolder(const std::string& folder);
  std::string NextText() const;

  TXWizardEngine& engine_;
  TXWizardWindow& window_;
  TXWizardTexts texts_;
  std::vector<TSetupPage> sequence_;
  size_t position_ = 0;
  std::string page_label_;
  TXWizardButton back_, next_, cancel_;
  std::string folder_app_label_;
  bool license_checked_ = false;
  bool welcome_scroll_visible_ = false;
  bool create_shortcut_visible_ = true;
  bool launch_visible_ = false;
  bool installed_ = false;
  std::string readme_, license_;
  std::vector<std::string> existing_folders_;
  std::vector<TXSummaryLine> summary_;
  TXComponentsPanel welcome_components_;
  TXComponentsPanel components_list_;
  TXWizardProgress install_progress_;
  TXWizardProgress upgrade_progress_;
};

}  // namespace xs
