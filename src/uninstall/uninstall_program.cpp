#include "uninstall/uninstall_program.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>
#include <optional>
#include <vector>

#include "base/error.h"
#include "base/format.h"
#include "base/settings.h"
#include "base/convert.h"
#include "engine/parameters.h"
#include "engine/questions.h"
#include "lang/keys.h"
#include "lang/language.h"
#include "package/filer.h"
#include "platform/command_line.h"
#include "platform/file_system.h"
#include "platform/process.h"
#include "platform/process_id.h"
#include "platform/restart_delete.h"
#include "platform/system_error.h"
#include "platform/system_info.h"
#include "platform/temp_folder.h"
#include "script/file_items.h"
#include "script/registry_items.h"
#include "script/undo_records.h"
#include "script/item_factory.h"
#include "ui/message_box.h"
#include "ui/progress_window.h"
#include "uninstall/uninstall_engine.h"
#include "uninstall/uninstall_filer.h"
#include "uninstall/uninstall_result.h"

namespace xs {

namespace {
// The original ends right after starting the copy; this only bounds a
// wait for a process id that was taken over by another program.
constexpr uint32_t kOriginalEndTimeoutMs = 60000;
constexpr int kRetries = 5;
constexpr int kRetryPauseMs = 400;

// The uninstall engine, keeping the code of a log that could not be loaded.
class TXProgramEngine : public TXCustomUninstallEngine {
 public:
  int LoadError = 0;

 protected:
  void DoLoad() override {
    try {
      TXCustomUninstallEngine::DoLoad();
    } catch (const EXError& e) {
      LoadError = e.Code();
      throw;
    }
  }
};

std::string AppTitle(const TXUndo& log) { return log.AppItems.Count() > 0 ? log.AppItems.GetItem(0)->Title : ""; }

bool UserConfirms(const TXUndo& log) {
  const std::string title = AppTitle(log);
  return ShowMessageBox(FormatTemplate(ActiveLg().Translate(kLgUninstallQuestion), {title}), title, IconQuestion,
                        TXButtonFrame::TXCmdYesNo, mrYes) == mrYes;
}

// The display texts of the records that remain, in the order they were
// reversed in: a folder's files before the folder.
std::vector<std::string> RemainingTexts(const TXUndo& log) {
  std::vector<std::string> texts;
  for (int i = log.Items.Count() - 1; i >= 0; --i) texts.push_back(log.Items.GetItem(i)->GetDisplayText());
  return texts;
}

void ReportResult(const std::string& title, const std::vector<std::string>& remaining) {
  ShowMessageBox(UninstallResultText(title, remaining), title, remaining.empty() ? IconInformation : IconWarning,
                 TXButtonFrame::TXCmdOK, mrOK);
}

// Copies this program into a new temporary folder and starts the copy.
// Returns 0, or the error code of the step that failed, with nothing left.
int StartCopy(const std::string& command_line) {
  const std::string folder = CreateTempFolder();
  if (folder.empty()) {
    XError().SetError(errCreateFolder, LastSystemError(), false, TempFolder());
    return errCreateFolder;
  }
  const std::string program = ProgramFileName();
  const std::string copy = folder + ExtractFileName(program);
  int code = 0;
  if (!CopyFileTo(program, copy, true)) {
    code = errWriteFile;
    XError().SetError(code, LastSystemError(), false, copy);
  } else {
    TProcess process;
    // Not in its own folder, which it is to remove, nor in this one's.
    if (process.Start(RestartCommandLine(command_line, copy, CurrentProcessId()), TempFolder(), false)) return 0;
    code = errFileOpen;
    XError().SetError(code, LastSystemError(), false, copy);
    RemoveFile(copy);
  }
  RemoveFolder(folder);
  return code;
}

// What remains goes back into the log file, which deletes itself again
// last when the uninstall is run anew. Returns the exit code.
int WriteBack(TXUndo& log, const std::string& file) {
  bool deletes_itself = false;
  for (int i = 0; i < log.Items.Count(); ++i) {
    auto* record = dynamic_cast<TXUIDelFileItem*>(log.Items.GetItem(i));
    deletes_itself = deletes_itself || (record && SameText(record->FileName, file));
  }
  if (!deletes_itself) log.AddItem(NewDelFileItem(eoIgnore, file));
  // The log's folder may have gone with the records that were reversed.
  ForceFolders(ExtractFilePath(file));
  if (SaveNewFileWith(file, FilerClass<TXUninstallFiler>, &log, false, nullptr)) return kExitIncomplete;
  return XError().GetCode() ? XError().GetCode() : errSave;
}

// Adds to parents copies of the log's records that remove a folder or key
// only while it is empty, in the log's order.
void CopyEmptyParentRecords(const TXUndo& log, TXUndo& parents) {
  for (int i = 0; i < log.Items.Count(); ++i) {
    const TXUICustomItem& record = *log.Items.GetItem(i);
    if (dynamic_cast<const TXUIDelEmptyFolderItem*>(&record) || dynamic_cast<const TXUIDelEmptyRegKeyItem*>(&record))
      parents.AddItem(CopyItem(record));
  }
}

bool InTempFolder(const std::string& folder) {
  const std::string name = ExtractFileName(folder);
  return SameText(ExtractFilePath(folder), TempFolder()) && name.starts_with(kTempPrefix) && name.ends_with(".tmp");
}

}  // namespace

std::string RestartCommandLine(const std::string& command_line, const std::string& copy, uint32_t pid) {
  // The program's name ends as the system ends it: at the closing quote,
  // else at the first blank.
  size_t end;
  if (!command_line.empty() && command_line[0] == '"') {
    end = command_line.find('"', 1);
    end = end == std::string::npos ? command_line.size() : end + 1;
  } else {
    end = std::min(command_line.find_first_of(" \t"), command_line.size());
  }
  return "\"" + copy + "\" " + kWaitSwitch + std::to_string(pid) + command_line.substr(end);
}

void RemoveProgramCopy(const std::string& program) {
  const std::string folder = ExcludeTrailingPathDelimiter(ExtractFilePath(program));
  if (!InTempFolder(folder)) return;
  if (!RemoveFile(program)) DeleteAtRestart(program);
  if (!RemoveFolder(folder)) DeleteAtRestart(folder);
}

int RunUninstallProgram() {
  const std::string command_line = ProcessCommandLine();
  TXParameters params;
  params.ParseCommandLine(command_line);
  const bool silent = params.HasSwitch("/silent");
  const bool copy = params.HasSwitch(kWaitSwitch);
  if (copy) {
    std::optional<int32_t> pid = TryStrToInt(params.SwitchValue(kWaitSwitch));
    if (pid && *pid > 0) WaitForProcessEnd(static_cast<uint32_t>(*pid), kOriginalEndTimeoutMs);
  }
  // Only now, once the original has written its end line: the copy's lines
  // follow it in the run log.
  const TXMessageBoxFunc shown = MessageBoxFuncInUse();
  StartProgramRun("uninst");

  TXProgramEngine engine;
  engine.optStandalone = true;
  int code = kExitIncomplete;
  engine.UninstallDialog = [&] {
    if (!copy) {
      code = !silent && !UserConfirms(engine.UndoLog) ? kExitCancelled : StartCopy(command_line);
      return code == kExitUninstalled;
    }
    TXUndo parents;
    CopyEmptyParentRecords(engine.UndoLog, parents);
    const std::string title = AppTitle(engine.UndoLog);
    std::unique_ptr<TXProgressView> progress = silent ? nullptr : ShowProgressWindow(title);
    if (progress)
      engine.OnProgress = [&progress](TObject*, TXUISection, int position, const std::string& text) {
        progress->Update(position, text);
      };
    engine.Uninstall(true);
    // The system may hold the original's file a moment after it ended, and
    // its folder stays until the file is really gone: what failed gets a few
    // more tries. The parents passed over while that folder stood (a parent
    // that is not empty stays, and counts as done) are swept once more.
    if (engine.UndoLog.Items.Count() > 0) {
      for (int attempt = 0; attempt < kRetries && engine.UndoLog.Items.Count() > 0; ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(kRetryPauseMs));
        engine.Uninstall(false);
      }
      ReverseUndoRecords(parents);
    }
    engine.OnProgress = nullptr;
    progress.reset();
    const std::vector<std::string> remaining = RemainingTexts(engine.UndoLog);
    const bool complete = remaining.empty();
    code = complete ? kExitUninstalled : WriteBack(engine.UndoLog, RunSettings().PackageFileName);
    if (!silent) ReportResult(title, remaining);
    return complete;
  };
  engine.Execute();
  SetMessageBoxFunc(shown);
  if (engine.LoadError) code = engine.LoadError;
  EndProgramRun(code);
  if (copy) RemoveProgramCopy(ProgramFileName());
  return code;
}

}  // namespace xs
