// The engine that reverses undo logs: standalone it loads the log named by
// "/file:" and reverses it; inside an install or demo run it collects the
// records to reverse when that run ends.
#pragma once

#include <functional>

#include "engine/engine.h"
#include "script/undo.h"

namespace xs {

class TXCustomUninstallEngine : public TXCustomUIEngine {
 public:
  using TXCustomUIEngine::TXCustomUIEngine;

  TXUndo UndoLog;
  // The uninstall dialog of a program that has one. Execute calls it once
  // the log is loaded, its language active and the install folder set, in
  // place of the silent Uninstall; what it returns is the run's result.
  std::function<bool()> UninstallDialog;

  // The uninstall run: Init, Load (the log), LoadLanguage, then, into the
  // log's install folder, the uninstall dialog or else Uninstall with the
  // Run-key clean-up. Without a dialog the result is false, also after a
  // complete uninstall: what was not reversed stays in UndoLog, which is
  // how a caller tells the two apart.
  bool Execute() override;

  // Reverses UndoLog's records, last first, reporting progress for each;
  // the records reversed leave the log, those that fail stay. With
  // clean_run_key, first removes the values of HKEY_CURRENT_USER's Run key
  // that name a file the log deletes. Returns the outcome of the last record
  // performed (the log's first); true for an empty log.
  bool Uninstall(bool clean_run_key);

 protected:
  // The log error's caption and template become the engine's error texts.
  void DoInit() override;
  // Loads the log named by "/file:" into UndoLog, followed by the records
  // of the journal a killed or aborted install left beside it (alone when
  // the log is missing). Without a name, raises the current error (2 when
  // none) without a message; a log that cannot be read shows the log error
  // with its name and raises.
  void DoLoad() override;
  // Selects the language the log was written in; "/lg:" still decides last.
  void DoLoadLanguage() override;
};

}  // namespace xs
