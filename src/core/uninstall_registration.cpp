// The uninstall entry of a logged application: the items that write it,
// appended to the script, and the choice of its name.
#include <exception>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/convert.h"
#include "base/settings.h"
#include "core/install_engine.h"
#include "lang/keys.h"
#include "lang/language.h"
#include "script/file_items.h"
#include "script/path_macros.h"
#include "script/registry_items.h"
#include "uninstall/uninstall_entries.h"

namespace xs {

namespace {
bool Contains(const TStringList& names, const std::string& name) {
  for (const std::string& entry : names.Items())
    if (SameText(entry, name)) return true;
  return false;
}

// The candidate whose uninstall command names log_file already: a second
// installation into the same log takes over its entry.
std::string ReusableEntry(const TStringList& candidates, const std::string& log_file, uint32_t root) {
  try {
    for (const std::string& name : candidates.Items()) {
      std::string named = UninstallLogFile(EntryValue(root, name, "UninstallString"));
      if (!named.empty() && SameText(named, log_file)) return name;
    }
  } catch (const std::exception&) {
    // A candidate that cannot be read is no match.
  }
  return {};
}

std::string NewEntryName(const TStringList& candidates, const std::string& log_title) {
  std::string name = log_title;
  for (int n = 1; Contains(candidates, name); ++n) name = log_title + "_i" + std::to_string(n);
  return name;
}

std::vector<std::pair<std::string, std::string>> EntryValues(const TXUIAppItem& app) {
  const int32_t lg = RunSettings().CurrentLgID;
  auto info = [&](const char* name) { return LanguageText(app.UIInfo, name, lg); };
  return {
      {"DisplayName", app.Title},
      {"DisplayIcon", app.Icon},
      {"DisplayVersion", app.Version},
      {"Publisher", info("Publisher")},
      {"URLInfoAbout", info("URLInfoAbout")},
      {"URLUpdateInfo", info("URLUpdateInfo")},
      {"HelpLink", info("HelpLink")},
      {"Contact", info("Contact")},
      {"Comments", ActiveLg().Translate(kLgInstallFolderLabel) + ": " + ExpandPathMacros(app.Folder) + "\r\n" +
                       info("Comments")},
      {"UninstallString", "\"" + app.UIExe + "\" /file:\"" + app.UILog + "\""},
  };
}

// A registry item of the entry, for app's undo log, keeping its record.
template <class T>
T* AddEntryItem(TXInstall& script, const TXUIAppItem& app, uint32_t root, const std::string& key,
                TXUIErrorOptions options) {
  auto item = std::make_unique<T>();
  item->RootID = root;
  item->KeyName = key;
  item->ErrorOptions = options;
  item->SaveUndo = true;
  item->LogIdx = app.LogIdx;
  return script.AddItem(std::move(item));
}
}  // namespace

void TXCustomInstallEngine::RegisterUninstall(const TXUIAppItem& app, const TXUndo& log, const TStringList& existing,
                                              uint32_t root) {
  if (!app.optSaveLog || RunSettings().RunConditions.test(cdCardMode)) return;
  // Without a name the entry would be the list of installed programs
  // itself, which the uninstall would then delete whole.
  if (app.LogTitle.empty()) return;
  const TStringList candidates = EntryCandidates(existing, app.LogTitle);
  const std::string log_file = log.AppItems.Count() > 0 ? log.AppItems.GetItem(0)->UILog : std::string();
  std::string name = ReusableEntry(candidates, log_file, root);
  if (name.empty()) name = NewEntryName(candidates, app.LogTitle);
  const std::string key = std::string(kUninstallKey) + "\\" + name;
  TXInstall& script = Package.Script;

  AddEntryItem<TXUIRegKeyItem>(script, app, root, key, eoShow);
  for (auto& [value_name, value] : EntryValues(app)) {
    auto* item = AddEntryItem<TXUIRegValItem>(script, app, root, key, eoIgnore);
    item->ValueName = value_name;
    item->Value = value;
    item->ValueType = optrString;
  }

  // Reversed first at uninstall, when the log is in memory already.
  auto delete_log = std::make_unique<TXUIDelFileItem>();
  delete_log->FileName = app.UILog;
  delete_log->ErrorOptions = eoIgnore;
  delete_log->Section = isFile;
  delete_log->IsUndo = true;
  delete_log->LogIdx = app.LogIdx;
  script.AddItem(std::move(delete_log));
}

}  // namespace xs
