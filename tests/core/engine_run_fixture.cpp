#include "engine_run_fixture.h"

#include <functional>
#include <optional>

#include "base/convert.h"

#include "engine/install_filer.h"
#include "package/filer.h"
#include "platform/registry.h"
#include "script/special_folder.h"
#include "uninstall/uninstall_entries.h"

namespace xs {

void EngineRunTest::SetUp() {
  FileItemsTest::SetUp();
  RunSettings().HasAdminRights = true;
  RunSettings().StartOffset = 0;  // packages made here start at their first byte
  // Every Windows has the list; the run must not be the one to leave it.
  TXRegistry(kHKeyCurrentUser).CreateKey(kUninstallKey);
  TXRegistry(kHKeyLocalMachine).CreateKey(kUninstallKey);
  engine.OnProgress = [this](TObject*, TXUISection section, int position, const std::string& text) {
    progress_.push_back(std::to_string(section) + ":" + std::to_string(position) + ":" + text);
  };
}

void EngineRunTest::TearDown() {
  RemoveEntries();
  FileItemsTest::TearDown();
}

void EngineRunTest::RemoveEntries() {
  for (uint32_t root : {kHKeyCurrentUser, kHKeyLocalMachine}) {
    const TStringList names = UninstallEntryNames(root);
    for (const std::string& entry : names.Items())
      if (SameText(entry.substr(0, title_.size()), title_))
        TXRegistry(root).DeleteKey(std::string(kUninstallKey) + "\\" + entry);
  }
}

TXUIAppItem& EngineRunTest::LoggedApp() {
  TXUIAppItem& app = *Script().AppItems.First();
  app.optSaveLog = true;
  app.Title = "Tool 2";
  app.LogTitle = title_;
  app.Version = "2.5";
  app.Folder = Scratch("App");
  app.UIExe = Scratch("App") + kPathDelim + "uninst.exe";
  app.UILog = Scratch("app.xui");
  return app;
}

TXUIFolderItem& EngineRunTest::AddFolder(const std::string& name, TXUISection section) {
  auto item = std::make_unique<TXUIFolderItem>();
  item->FolderName = Scratch(name);
  item->Section = section;
  item->SaveUndo = true;
  return *Script().AddItem(std::move(item));
}

bool EngineRunTest::IsFolderRecord(const TXUICustomItem& record, const std::string& folder) {
  auto* del = dynamic_cast<const TXUIDelFolderItem*>(&record);
  return del && del->FolderName == folder;
}

std::vector<std::string> EngineRunTest::LogRecords(const std::string& file) {
  TXUndo log;
  std::vector<std::string> records;
  if (!LoadFileWith(file, FilerClass<TXInstallFiler>, &log, false, nullptr)) return records;
  for (int i = 0; i < log.Items.Count(); ++i) {
    const TXUICustomItem& r = *log.Items.GetItem(i);
    records.push_back(r.ClassName() + " " + r.GetDisplayText());
  }
  return records;
}

std::map<std::string, std::string> EngineRunTest::Machine() {
  std::map<std::string, std::string> seen;
  std::function<void(const std::string&)> walk = [&](const std::string& folder) {
    std::vector<TSearchRec> found;
    FindFiles(folder, "*.*", found);
    for (const TSearchRec& entry : found) {
      if (entry.Name == "." || entry.Name == "..") continue;
      std::string path = folder + kPathDelim + entry.Name;
      if (entry.Attr & faDirectory) {
        seen[path + kPathDelim] = "";
        walk(path);
      } else {
        seen[path] = ReadTextFile(path);
      }
    }
  };
  for (std::string folder : {Scratch(), GetSpecialFolder(2)}) walk(folder.substr(0, folder.size() - 1));
  std::function<void(const std::string&)> keys = [&](const std::string& key) {
    TXRegistry registry(kHKeyCurrentUser);
    if (!registry.OpenKeyReadOnly(key)) return;
    std::vector<std::string> names, subkeys;
    registry.GetValueNames(names);
    for (const std::string& name : names) seen[key + "|" + name] = registry.ReadValue(name)->Data;
    registry.GetKeyNames(subkeys);
    for (const std::string& sub : subkeys) keys(key + "\\" + sub);
  };
  keys(TestKey());
  keys(kUninstallKey);
  return seen;
}

std::optional<std::string> EngineRunTest::EntryString(const std::string& entry, const std::string& value) {
  TXRegistry registry(kHKeyCurrentUser);
  if (!registry.OpenKeyReadOnly(std::string(kUninstallKey) + "\\" + entry)) return std::nullopt;
  return registry.ReadString(value);
}

}  // namespace xs
