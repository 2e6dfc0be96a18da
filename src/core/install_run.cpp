// The install run: the install items in order, their undo records kept per
// application, the undo logs written and the uninstall entries registered.
#include <exception>
#include <memory>
#include <string>

#include "base/error.h"
#include "base/settings.h"
#include "core/install_engine.h"
#include "core/run_journals.h"
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

  // Every record an item may need is in its journal before the item acts;
  // the journals stay until the logs are written, so a run that ends early,
  // killed or aborted, can still be reversed.
  TXRunJournals journals;
  try {
    journals.Start(logs);
  } catch (const std::exception&) {
    temp_engine_.reset();
    ShowLogError();
    SetFailure(errSave);
    return false;
  }
  before_act_ = [&journals](const TXUICustomItem& item, const TXUndoPlan& plan) { journals.Append(item, plan); };
  const int count = script.InstallItems.Count();
  for (int i = 0; i < count && result; ++i) {
    TXUICustomItem& item = *script.InstallItems.GetItem(i);
    TXUndoRecords records;
    bool succeeded = false;
    result = InstallItem(item, i, count, records, succeeded);
    for (auto& record : records) KeepUndoRecord(item, succeeded, std::move(record), logs, temp_engine_->UndoLog);
  }
  before_act_ = nullptr;

  if (result)
    for (int i = 0; i < logs.Count(); ++i) {
      journals.MergeInto(i, *logs.GetItem(i));
      if (!MergeUndoLog(*logs.GetItem(i))) {
        // Installed, but without a way back but the journal: the run did
        // not succeed.
        ShowLogError();
        SetFailure(errSave);
        result = false;
      } else if (!journals.Remove(i)) {
        // Its records are all in the log now; taking them in again later
        // does no harm, but it is a trace.
        ShowLogError();
      }
    }
  temp_engine_->Uninstall(false);
  temp_engine_.reset();
  logs.Clear();
  NotifyShellChange(shcneAssocChanged, shcnfIdList);
  return result;
}

}  // namespace xs
