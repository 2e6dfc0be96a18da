// One item of the install or demo run.
#include <algorithm>

#include "base/error.h"
#include "base/progress.h"
#include "core/install_engine.h"
#include "core/item_error.h"
#include "engine/run_log.h"
#include "script/conditions.h"
#include "script/undo_records.h"

namespace xs {

bool TXCustomInstallEngine::InstallItem(TXUICustomItem& item, int index, int count, TXUndoRecords& records,
                                        bool& succeeded) {
  succeeded = false;
  if (!CheckCondition(item)) return true;
  XError().Clear();
  try {
    item.ExpandMacros();
    int position = static_cast<int>(
        RoundDiv(static_cast<uint64_t>(index) * 100, static_cast<uint64_t>(count)));
    ReportProgress(item.Section, std::max(position, 1), item.GetDisplayText());
    succeeded = PerformPlannedItem(item, records, before_act_);
  } catch (...) {
    XError().SetFirstError(errItemException, 0, false, item.GetDisplayText());
  }
  const int code = XError().GetCode();
  RunLog().Write("item: " + item.GetDisplayText() + " -> " +
                 (code != 0 ? "error " + std::to_string(code) : succeeded ? "done" : "nothing to do"));
  if (code == 0) return true;
  succeeded = false;
  // Even when the script lets the run go on, the exit code tells that
  // something was not installed.
  SetFailure(code);
  if (item.ErrorOptions == eoIgnore) return true;
  ShowItemError(item, item.ErrorOptions == eoAbort);
  return item.ErrorOptions != eoAbort;
}

}  // namespace xs
