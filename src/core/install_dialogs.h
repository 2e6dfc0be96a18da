// The dialogs as the install engine sees them: the language dialog, the
// start dialog (install or demo) and the wizard. The engine only borrows
// them; a slot left empty is skipped where the engine's steps say so.
#pragma once

#include <string>

namespace xs {

class TXCustomInstallLgDialog {
 public:
  virtual ~TXCustomInstallLgDialog() = default;
  std::string Caption;
  // Shows the dialog; true when the user confirmed a language, which the
  // dialog wrote into the run-wide language id.
  virtual bool ExecuteOK() = 0;
};

class TXCustomInstallDemoDialog {
 public:
  virtual ~TXCustomInstallDemoDialog() = default;
  std::string Caption;
  // Shows the dialog; the result is 2 (cancelled), 6 (the demo) or anything
  // else for a normal installation. The language chosen in it is written
  // into the run-wide language id.
  virtual int Execute() = 0;
};

class TXCustomInstallDialog {
 public:
  virtual ~TXCustomInstallDialog() = default;
  // Runs the wizard, which calls back into the engine for the install run;
  // true when it ended with a completed installation.
  virtual bool ExecuteOK() = 0;
};

}  // namespace xs
