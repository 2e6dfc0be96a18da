// The engine base both engines derive from: the fixed run sequence
// (initialise, load, loaded, load language, run) with events that can take a
// step over.
#pragma once

#include <functional>
#include <string>

#include "base/script_types.h"
#include "ui/command_component.h"
#include "ui/timer.h"

namespace xs {

using TXHandledEvent = std::function<void(TObject* sender, bool& handled)>;
using TXProgressEvent =
    std::function<void(TObject* sender, TXUISection section, int position, const std::string& text)>;

class TXCustomUIEngine : public TXHandleComponent {
 public:
  using TXHandleComponent::TXHandleComponent;

  bool optStandalone = false;  // when set, the end of Execute terminates the application
  TNotifyEvent OnInit;
  TXHandledEvent OnLoad;
  TXHandledEvent OnLoaded;
  TXHandledEvent OnLoadLanguage;
  TXProgressEvent OnProgress;

  const std::string& ErrorCaption() const { return error_caption_; }
  const std::string& ErrorFormat() const { return error_format_; }
  bool AdminSwitch() const { return admin_switch_; }
  // "/silent": no window is shown; questions answer themselves.
  bool Silent() const { return silent_; }

  // What the program returns after the last run: 0 when it succeeded, 1
  // when the user (or a silent time-out) cancelled, otherwise the error
  // code of the first step that failed (also of an item whose failure the
  // run went on after), 2 when that step recorded none.
  int ExitCode() const { return exit_code_; }

  // Resets the run-wide settings and fills them from the command line, then
  // DoInit and OnInit.
  void Init();
  // OnLoad or DoLoad, then OnLoaded or DoLoaded.
  void Load();
  // OnLoadLanguage or DoLoadLanguage; then the offered pack of the run-wide
  // language id becomes active when another one is.
  void LoadLanguage();
  void ReportProgress(TXUISection section, int position, const std::string& text);
  // The start timer's handler.
  void StartRun(TObject* sender);

  // Runs the whole sequence. Returns true when the run succeeded.
  virtual bool Execute() = 0;

 protected:
  virtual void DoInit() {}
  virtual void DoLoad() {}
  virtual void DoLoaded() {}
  virtual void DoLoadLanguage() {}

  // Runs one engine run: while it lasts "<install>", "<group>", "<old>" and
  // "<ui>" expand to the run-wide settings, and the language state is put
  // back afterwards. Any exception gives false. Afterwards a standalone
  // engine terminates the application.
  bool RunFramed(const std::function<bool()>& run);

  // Records why the run is failing; the first cause recorded stands. 0
  // records nothing.
  void SetFailure(int code);

  std::string error_caption_;
  std::string error_format_;  // one %s placeholder

 private:
  bool admin_switch_ = false;
  bool silent_ = false;
  int failure_ = 0;
  int exit_code_ = 0;
};

}  // namespace xs
