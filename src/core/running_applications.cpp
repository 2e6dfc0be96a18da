// Making sure that the applications about to be installed are not running.
#include <chrono>
#include <thread>

#include "base/format.h"
#include "base/string_list.h"
#include "core/install_engine.h"
#include "core/startup.h"
#include "engine/questions.h"
#include "lang/keys.h"
#include "lang/language.h"
#include "platform/message_loop.h"
#include "platform/named_mutex.h"
#include "platform/window_messages.h"
#include "ui/application.h"
#include "ui/message_box.h"

namespace xs {

namespace {
TStringList Lines(const std::string& text) {
  TStringList lines;
  lines.SetText(text);
  return lines;
}

bool AnyMutexExists(const TStringList& names) {
  for (const std::string& name : names.Items())
    if (!name.empty() && NamedMutexExists(name)) return true;
  return false;
}

void Pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// Retests every quarter second; false when a mutex still exists after ms.
bool WaitForMutexesGone(const TStringList& names, int ms) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (AnyMutexExists(names)) {
    if (std::chrono::steady_clock::now() >= end) return false;
    Pause(250);
  }
  return true;
}

// Asks the application's utility windows to show themselves, so that the
// user sees what to close.
void ActivateWindows(const TStringList& captions) {
  for (const std::string& caption : captions.Items())
    for (const TTopLevelWindow& window : EnumTopLevelWindows()) {
      if (window.ClassName != "TPUtilWindow" || window.Caption != caption) continue;
      if (window.Handle == Application().Handle) continue;
      SendWindowMessageTimeout(window.Handle, ActivateApplicationMessage(), 2, 0, 5000, nullptr);
      Pause(100);
    }
}
}  // namespace

bool TXCustomInstallEngine::CheckRunningApplications() {
  bool result = true;
  TXUIAppCollection& apps = Package.Script.AppItems;
  for (int i = 0; i < apps.Count(); ++i) {
    TXUIAppItem& app = *apps.GetItem(i);
    app.ExpandAppPaths();
    const TStringList mutexes = Lines(app.Mutex);
    if (!AnyMutexExists(mutexes)) continue;
    if (!app.WndTitle.empty()) {
      ReportProgress(isTemp, 1, ActiveLg().Translate(kLgWaitingText) + " " + app.MutexTitle);
      ActivateWindows(Lines(app.WndTitle));
      Pause(6000);
      ProcessMessages();
    }
    const std::string question =
        FormatTemplate(ActiveLg().Translate(kLgAppRunningQuestion), {app.MutexTitle, app.MutexTitle});
    const std::string caption = ActiveLg().Translate(kLgWarningCaption);
    if (Silent()) {
      // Nobody can close the application: wait a while, then give up.
      if (!WaitForMutexesGone(mutexes, SilentWaitMs)) {
        LogQuestion(caption, question, mrCancel);
        result = false;
        break;
      }
      continue;
    }
    while (AnyMutexExists(mutexes)) {
      int answer = ShowMessageBox(question, caption, IconWarning, TXButtonFrame::TXCmdOKCancel, mrOK);
      if (answer == mrCancel) {
        result = false;
        break;
      }
    }
  }
  return result;
}

}  // namespace xs
