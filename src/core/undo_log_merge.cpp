// Writing an undo log over the one an earlier installation left.
#include <exception>
#include <string>

#include "core/install_engine.h"
#include "engine/dropped_records.h"
#include "package/filer.h"
#include "platform/file_stream.h"
#include "platform/file_system.h"
#include "script/undo_records.h"
#include "uninstall/uninstall_filer.h"

namespace xs {

namespace {
// Merges the records of the earlier log at path that verified: a log with
// damaged records gives the intact ones. An earlier log that did not load
// whole is kept beside it as ".damaged", so that what it still holds is not
// lost with it.
void MergeEarlierLog(TXUndo& log, const std::string& path) {
  if (!FileExists(path)) return;
  TXUndo earlier;
  bool loaded = LoadFileWith(path, FilerClass<TXUninstallFiler>, &earlier, false, nullptr) && !LoadDroppedRecords();
  bool partly = !loaded && LoadFailedOnDamagedRecords();
  if (!loaded) CopyFileTo(path, ChangeFileExt(path, ".damaged"), false);
  if (loaded || partly) MergeUndoRecords(log, earlier);
}

}  // namespace

bool TXCustomInstallEngine::MergeUndoLog(TXUndo& log) {
  const std::string path = log.AppItems.First()->UILog;
  try {
    MergeEarlierLog(log, path);
  } catch (const std::exception&) {
    // An earlier log that cannot be read is replaced by the new one.
  }
  return SaveNewFileWith(path, FilerClass<TXUninstallFiler>, &log, false, nullptr);
}

}  // namespace xs
