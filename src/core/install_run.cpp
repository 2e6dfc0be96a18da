// The install run: the install items in order, their undo records kept per
// application, the undo logs written and the uninstall entries registered.
#include <memory>
#include <string>

#include "base/error.h"
#include "base/settings.h"
#include "core/install_engine.h"
#include "lang/keys.h"
#include "lang/language.h"
#include "platform/file_system.h"
#include "platform/shell_notify.h"
#include "script/path_macros.h"
#include "script/undo_records.h"
#include "ui/message_box.h"
#include "uninstall/uninstall_entries.h"

namespace xs {

namespace {
std::string UninstallInfoFolder(const TXInstall& script) {
  const bool all_users = RunSettings().RunConditions.test(cdAllUsers) || script.optAdminRequired;
  std::string folder = std::string(all_users ? "<pf>" : "<wpf>") + "Uninstall Information" + kPathDelim + script.UIExt;
  return IncludeTrailingPathDelimiter(ExpandPathMacros(folder));
}

void ShowLogError() {
  ShowMessageBox(ActiveLg().Translate(kLgUndoLogError), ActiveLg().Translate(kLgErrorCaption), IconWarning,
                 TXButtonFrame::TXCmdOK, mrOK);
}
}  // namespace

bool TXCustomInstallEngine::InstallRun() {
  TXRunSettings& s = RunSettings();
  TXInstall& script = Package.Script;
  s.UninstallInfoFolder = UninstallInfoFolder(script);
  if (!CheckRunningApplications()) {
    SetFailure(errCancelled);
    return false;
  }

  temp_engine_ = std::make_unique<TXCustomUninstallEngine>();
  TXUndoList logs;
  const uint32_t root = UninstallRoot();
  const TStringList existing = UninstallEntryNames(root);
  for (int i = 0; i < script.AppItems.Count(); ++i) {
    const TXUIAppItem& app = *script.AppItems.GetItem(i);
    if (!app.optSaveLog) continue;
    TXUndo* log = NewUndoLog(script, app).release();
    logs.Add(log);
    RegisterUninstall(app, *log, existing, root);
  }
  script.SplitSections();
  bool result = true;

  if (SearchVersion(ExpandPathMacros("<install>"), optfReinstall)) s.RunConditions.set(cdReinstall);
  if (!s.OldDataFolder.empty()) s.RunConditions.set(cdOld);
  if (s.SelectedComponents.none()) s.SelectedComponents.set(0);

  const int count = script.InstallItems.Count();
  for (int i = 0; i < count && result; ++i) {
    TXUICustomItem& item = *script.InstallItems.GetItem(i);
    std::unique_ptr<TXUICustomItem> record;
    bool succeeded = false;
    result = InstallItem(item, i, count, record, succeeded);
    KeepUndoRecord(item, succeeded, std::move(record), logs, temp_engine_->UndoLog);
  }

  if (result)
    for (int i = 0; i < logs.Count(); ++i)
      if (!MergeUndoLog(*logs.GetItem(i))) {
        // Installed, but without a way back: the run did not succeed.
        ShowLogError();
        SetFailure(errSave);
        result = false;
      }
  temp_engine_->Uninstall(false);
  temp_engine_.reset();
  logs.Clear();
  NotifyShellChange(shcneAssocChanged, shcnfIdList);
  return result;
}

}  // namespace xs
