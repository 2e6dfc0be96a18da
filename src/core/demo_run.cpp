// The demo run: the demo items installed into a temporary folder, the
// application started there with "/demo", then everything removed again.
#include <memory>
#include <string>

#include "base/format.h"
#include "base/settings.h"
#include "core/install_engine.h"
#include "lang/keys.h"
#include "lang/language.h"
#include "platform/file_system.h"
#include "platform/message_loop.h"
#include "platform/process.h"
#include "script/file_actions.h"
#include "script/path_macros.h"
#include "ui/message_box.h"

namespace xs {

namespace {
// Starts the application and waits for it while the windows stay
// responsive; a program that cannot be started is passed over.
void RunDemo(const TXUIAppItem& app, const std::string& folder) {
  const std::string command = "\"" + ExpandPathMacros(app.Launch) + "\" " + app.LaunchParams + " /demo";
  TProcess process;
  if (process.Start(command, folder, false)) process.Wait([] { ProcessMessages(); });
}
}  // namespace

bool TXCustomInstallEngine::DemoRun() {
  TXRunSettings& s = RunSettings();
  TXInstall& script = Package.Script;
  const std::string temp = ExpandPathMacros("<tmp>");
  // The demo's folders are its own: an installation after it goes where it
  // would have gone without the demo.
  struct Restore {
    TXRunSettings& s;
    std::string install = s.InstallFolder, uninstall_info = s.UninstallInfoFolder;
    ~Restore() {
      s.InstallFolder = install;
      s.UninstallInfoFolder = uninstall_info;
    }
  } restore{s};
  s.UninstallInfoFolder = temp;
  s.InstallFolder = IncludeTrailingPathDelimiter(temp + script.DefaultFolderExt);
  if (!CheckRunningApplications()) return false;

  temp_engine_ = std::make_unique<TXCustomUninstallEngine>();
  bool result = true;
  if (s.SelectedComponents.none()) s.SelectedComponents.set(0);
  const int count = script.InstallItems.Count();
  for (int i = 0; i < count && result; ++i) {
    TXUndoRecords records;
    bool succeeded = false;
    result = InstallItem(*script.InstallItems.GetItem(i), i, count, records, succeeded);
    for (auto& record : records) temp_engine_->UndoLog.AddItem(std::move(record));
  }

  if (result && script.AppItems.Count() > 0) RunDemo(*script.AppItems.GetItem(0), s.InstallFolder);
  temp_engine_->Uninstall(false);
  temp_engine_.reset();
  // Without a subfolder of its own the demo ran in the temporary folder
  // itself, which holds more than the demo.
  if (!script.DefaultFolderExt.empty() && FolderExists(s.InstallFolder)) DeleteFolderTree(s.InstallFolder);
  return result;
}

bool TXCustomInstallEngine::AskInstallNow() {
  RunSettings().RunConditions.reset();
  const std::string& title = Package.Script.Title;
  return ShowMessageBox(FormatTemplate(ActiveLg().Translate(kLgInstallNowQuestion), {title}), title, IconQuestion,
                        TXButtonFrame::TXCmdInstallNoThanks, mrOK) == mrOK;
}

}  // namespace xs
