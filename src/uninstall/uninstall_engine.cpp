#include "uninstall/uninstall_engine.h"

#include "base/error.h"
#include "base/format.h"
#include "base/settings.h"
#include "engine/dropped_records.h"
#include "engine/install_filer.h"
#include "engine/undo_journal.h"
#include "lang/keys.h"
#include "lang/language.h"
#include "lang/lg_wizard.h"
#include "package/filer.h"
#include "platform/file_stream.h"
#include "platform/shell_notify.h"
#include "script/undo_records.h"
#include "ui/message_box.h"
#include "uninstall/run_key.h"

namespace xs {

void TXCustomUninstallEngine::DoInit() {
  error_caption_ = ActiveLg().Translate(kLgLogErrorCaption);
  error_format_ = ActiveLg().Translate(kLgLogErrorText);
}

void TXCustomUninstallEngine::DoLoad() {
  const std::string& file = RunSettings().PackageFileName;
  XError().Clear();
  if (file.empty()) XError().RaiseError();
  TXUndo journal;
  const bool journaled = LoadUndoJournal(JournalFileName(file), journal);
  if (journaled && !FileExists(file)) {
    UndoLog.Assign(journal);
    return;
  }
  if (!LoadFileWith(file, FilerClass<TXInstallFiler>, &UndoLog, false, nullptr) || LoadDroppedRecords()) {
    ShowMessageBox(FormatTemplate(error_format_, {file}), error_caption_, IconError, TXButtonFrame::TXCmdOK, mrOK);
    XError().RaiseError();
  }
  if (!journaled) return;
  // The journal's run came after the log was written: its records are
  // reversed first.
  MergeUndoRecords(journal, UndoLog);
  while (journal.Items.Count() > 0) UndoLog.Items.Add(static_cast<TXUICustomItem*>(journal.Items.Extract(0)));
}

void TXCustomUninstallEngine::DoLoadLanguage() {
  if (UndoLog.AppItems.Count() > 0) LgWizard().SelectLanguageByID(UndoLog.AppItems.GetItem(0)->LgID);
}

bool TXCustomUninstallEngine::Uninstall(bool clean_run_key) {
  if (clean_run_key) {
    ReportProgress(isReg, 0, "");
    RemoveRunValues(UndoLog);
  }
  bool result = ReverseUndoRecords(UndoLog, [this](TXUISection section, int position, const std::string& text) {
    ReportProgress(section, position, text);
  });
  NotifyShellChange(shcneAssocChanged, shcnfIdList);
  return result;
}

bool TXCustomUninstallEngine::Execute() {
  return RunFramed([this] {
    Init();
    Load();
    LoadLanguage();
    if (UndoLog.AppItems.Count() > 0) RunSettings().InstallFolder = UndoLog.AppItems.GetItem(0)->Folder;
    if (UninstallDialog) return UninstallDialog();
    Uninstall(true);
    return false;
  });
}

}  // namespace xs
