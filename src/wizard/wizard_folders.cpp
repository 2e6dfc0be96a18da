// The folder page, the program group page and the folder trees.
#include <algorithm>

#include "base/format.h"
#include "base/settings.h"
#include "base/text.h"
#include "lang/keys.h"
#include "lang/language.h"
#include "platform/file_system.h"
#include "platform/shell_folders.h"
#include "script/path_macros.h"
#include "ui/message_box.h"
#include "wizard/install_wizard.h"

namespace xs {

void TXInstallWizard::PrepareFolderPage() {
  const TXInstall& script = Script();
  if (script.DefaultFolderName.empty()) return;
  sequence_.push_back(spFolder);
  const std::string& earlier = RunSettings().EarlierInstallFolder;
  // The install folder is set before the wizard only by "/dir:" on the
  // command line, which the user meant to be proposed.
  const std::string& given = RunSettings().InstallFolder;
  const std::string proposed = IsUpdate()        ? (earlier.empty() ? "c:\\" : earlier)
                               : !given.empty() ? ExcludeTrailingPathDelimiter(given)
                                                : ExpandPathMacros(script.DefaultFolderName);
  DestFolderEdit = proposed;
  SelectNearestFolder(proposed);
  // Selecting reported the tree's folder into the edit.
  DestFolderEdit = proposed;
}

void TXInstallWizard::SelectNearestFolder(const std::string& folder) {
  std::string path = folder;
  while (!path.empty()) {
    if (FolderExists(path) && window_.SelectFolder(TXFolderTree::Dest, path)) return;
    std::string parent = ExtractFilePath(ExcludeTrailingPathDelimiter(path));
    // A root is its own parent: the walk ends there.
    path = parent.size() < path.size() ? parent : std::string();
  }
}

void TXInstallWizard::PrepareIconsPage() {
  const TXInstall& script = Script();
  if (script.DefaultGroupName.empty()) return;
  sequence_.push_back(spIcons);
  existing_folders_.clear();
  std::vector<TSearchRec> found;
  FindFiles(SpecialFolderPath(csidlPrograms, false), "*.*", found);
  for (const TSearchRec& entry : found)
    if ((entry.Attr & faDirectory) && entry.Name != "." && entry.Name != "..")
      existing_folders_.push_back(entry.Name);
  // Sorted as a list box sorts: letters in either case alike.
  std::sort(existing_folders_.begin(), existing_folders_.end(),
            [](const std::string& a, const std::string& b) { return AsciiLowerCase(a) < AsciiLowerCase(b); });
  create_shortcut_visible_ = script.optShowCreateDesktopShortcut;
  // As "/dir:", "/group:" is proposed in the script's place.
  const std::string& given = RunSettings().GroupName;
  StartMenuFolderEdit = given.empty() ? ExpandPathMacros(script.DefaultGroupName) : given;
}

bool TXInstallWizard::LeaveFolder() {
  const TXInstall& script = Script();
  const std::string folder = IncludeTrailingPathDelimiter(DestFolderEdit);
  RunSettings().InstallFolder = folder;
  const TXLg& lg = ActiveLg();
  auto refuse = [&lg](const std::string& text) {
    ShowMessageBox(text, lg.Translate(kLgFolderErrorCaption), IconWarning, TXButtonFrame::TXCmdOK, mrOK);
    return false;
  };
  if (engine_.SearchVersion(folder, optfOld))
    return refuse(FormatTemplate(lg.Translate(kLgOldVersionText), {script.Title}));
  if (IsUpdate() && !engine_.SearchVersion(folder, optfReinstall))
    return refuse(FormatTemplate(lg.Translate(kLgUpdateMissingText), {script.Title, script.Title}));
  return true;
}

void TXInstallWizard::ExistingFoldersListClick(int index) {
  if (index >= 0 && index < static_cast<int>(existing_folders_.size())) StartMenuFolderEdit = existing_folders_[index];
}

void TXInstallWizard::DestFolderTreeChange(const std::string& path) {
  DestFolderEdit = path;
  if (!IsUpdate()) DestFolderEdit = IncludeTrailingPathDelimiter(path) + Script().DefaultFolderExt;
}

void TXInstallWizard::UpgradeFolderTreeChange(const std::string& path) { UpgradeFolderEdit = path; }

}  // namespace xs
