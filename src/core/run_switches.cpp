#include "core/run_switches.h"

#include <charconv>

#include "base/error.h"
#include "base/text.h"
#include "core/install_engine.h"
#include "engine/parameters.h"
#include "engine/run_log.h"
#include "platform/command_line.h"
#include "platform/elevation.h"
#include "platform/file_system.h"
#include "platform/system_error.h"
#include "script/path_macros.h"

namespace xs {

TXComponentSet DefaultSelection(const TXInstall& script, int32_t lg_id) {
  TXComponentSet selection;
  for (int i = 0; i < script.AppItems.Count(); ++i) selection.set(script.AppItems.GetItem(i)->AppIdx);
  for (int i = 0; i < script.Items.Count(); ++i) {
    const auto* component = dynamic_cast<const TXUIComponentItem*>(script.Items.GetItem(i));
    if (component && (component->LgID() == 0 || component->LgID() == lg_id)) selection.set(component->Idx);
  }
  return selection;
}

std::optional<TXComponentSet> ParseComponentList(const std::string& text) {
  TXComponentSet selection;
  size_t start = 0;
  while (true) {
    size_t comma = text.find(',', start);
    std::string entry = Trim(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    unsigned value = 0;
    auto [end, ec] = std::from_chars(entry.data(), entry.data() + entry.size(), value);
    if (entry.empty() || ec != std::errc() || end != entry.data() + entry.size() || value > 255) return std::nullopt;
    selection.set(value);
    if (comma == std::string::npos) return selection;
    start = comma + 1;
  }
}

bool NeedsElevation(const TXInstall& script, const TXRunSettings& settings, bool restarted) {
  return !restarted && !settings.HasAdminRights &&
         (script.optAdminRequired || settings.RunConditions.test(cdAllUsers));
}

std::string ElevatedParameters(const std::string& command_line) {
  size_t i = 0;
  if (!command_line.empty() && command_line[0] == '"') {
    size_t quote = command_line.find('"', 1);
    i = quote == std::string::npos ? command_line.size() : quote + 1;
  }
  while (i < command_line.size() && command_line[i] != ' ' && command_line[i] != '\t') ++i;
  while (i < command_line.size() && (command_line[i] == ' ' || command_line[i] == '\t')) ++i;
  std::string rest = command_line.substr(i);
  return rest.empty() ? "/elevated" : rest + " /elevated";
}

bool TXCustomInstallEngine::NeedsElevation() const {
  return xs::NeedsElevation(Package.Script, RunSettings(), Parameters().HasSwitch("/elevated"));
}

bool TXCustomInstallEngine::RestartElevated() {
  const std::string parameters = ElevatedParameters(ProcessCommandLine());
  RunLog().Write("restart with administrator rights: " + parameters);
  // The copy writes into the same run log; it must find it closed.
  const std::string log_file = RunLog().FileName();
  RunLog().Close();
  auto starter = ElevatedStarter ? ElevatedStarter : RunElevated;
  const std::optional<uint32_t> code = starter(ProgramFileName(), parameters);
  const int error = LastSystemError();
  if (!log_file.empty()) RunLog().Open(log_file);
  if (!code) {
    RunLog().Write("the restart failed: system error " + std::to_string(error));
    SetFailure(error == kErrCancelled ? errCancelled : errGeneral);
    return false;
  }
  RunLog().Write("the restarted copy ended with exit code " + std::to_string(*code));
  SetFailure(static_cast<int>(*code));
  return *code == 0;
}

void TXCustomInstallEngine::ApplyFolderSwitches() {
  const TXParameters& params = Parameters();
  TXRunSettings& s = RunSettings();
  if (params.HasSwitch("/dir:")) {
    const std::string folder = ExpandPathMacros(params.SwitchValue("/dir:"));
    if (!IsAbsolutePath(folder)) {
      RunLog().Write("/dir: needs a full path: " + folder);
      XError().SetError(errCreateFolder, 0, true, folder);
    }
    s.InstallFolder = IncludeTrailingPathDelimiter(folder);
  }
  if (params.HasSwitch("/group:")) s.GroupName = params.SwitchValue("/group:");
}

void TXCustomInstallEngine::ApplySelection() {
  TXRunSettings& s = RunSettings();
  if (!Parameters().HasSwitch("/components:")) {
    s.SelectedComponents = DefaultSelection(Package.Script, s.CurrentLgID);
    return;
  }
  const std::string list = Parameters().SwitchValue("/components:");
  std::optional<TXComponentSet> selection = ParseComponentList(list);
  if (!selection) {
    RunLog().Write("/components: takes component numbers separated by commas, not: " + list);
    XError().SetError(errGeneral, 0, true);
  }
  s.SelectedComponents = *selection;
}

}  // namespace xs
