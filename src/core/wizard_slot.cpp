#include "core/wizard_slot.h"

#include "base/error.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "platform/shell_execute.h"

namespace xs {

TXWizardSlot::TXWizardSlot(TXCustomInstallEngine& engine, TXFormClass form_class)
    : engine_(engine), dialog_(nullptr, std::move(form_class), *this) {
  dialog_.SetDynamicDlg(false);
}

bool TXWizardSlot::ExecuteOK() {
  ran_ = false;
  const bool installed = dialog_.ExecuteInstall();
  // Closed before the install run: the user cancelled.
  if (!ran_) XError().SetError(errCancelled, 0, true);
  return installed;
}

bool TXWizardSlot::InstallRun() {
  ran_ = true;
  return engine_.InstallRun();
}

void TXWizardSlot::SetProgressSlot(TXWizardProgressFunc progress, TXWizardBytesFunc) {
  if (!progress) {
    engine_.OnProgress = nullptr;
    return;
  }
  engine_.OnProgress = [progress](TObject*, TXUISection section, int position, const std::string& text) {
    progress(section, position, text);
  };
}

bool TXWizardSlot::Launch(const std::string& verb, const std::string& file, const std::string& parameters) {
  return ShellExecuteFile(verb, file, parameters);
}

bool TXWizardSlot::StartProtocolHandler(const std::string& protocol, const std::string& link) {
  TXRegistry registry(kHKeyClassesRoot);
  if (protocol.empty() || !registry.OpenKeyReadOnly(protocol + "\\shell\\open\\command")) return false;
  std::string command = registry.ReadString("").value_or("");
  if (command.empty()) return false;
  const size_t place = command.find("%1");
  if (place == std::string::npos) command += " \"" + link + "\"";
  else command.replace(place, 2, link);
  TProcess process;
  return process.Start(command, "", false);
}

}  // namespace xs
