// The fixture of the engine's runs: a fresh machine with the uninstall list
// in place, the built-in English texts, scripted answers to questions, and
// an install engine whose progress reports are recorded.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/install_engine.h"
#include "script/file_items.h"
#include "script/file_items_fixture.h"

namespace xs {

class EngineRunTest : public FileItemsTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Deletes the uninstall entries whose names begin with title_.
  void RemoveEntries();
  TXInstall& Script() { return engine.Package.Script; }
  // The script's application, logged into Scratch("app.xui") under a title
  // no other test uses (title_), installed into Scratch("App").
  TXUIAppItem& LoggedApp();
  // Appends an item that makes the folder Scratch(name).
  TXUIFolderItem& AddFolder(const std::string& name, TXUISection section = isFolder);
  // The folder item's undo record for Scratch(name), as the run keeps it.
  static bool IsFolderRecord(const TXUICustomItem& record, const std::string& folder);
  // The records of the undo log file; empty when it cannot be read.
  std::vector<std::string> LogRecords(const std::string& file);
  // What the test can see of the machine: the files and folders below the
  // scratch folder and the user's program groups with their contents, the
  // test's registry key and the uninstall list with their values.
  std::map<std::string, std::string> Machine();
  // The uninstall entry's value under HKEY_CURRENT_USER; nullopt when it
  // is missing.
  std::optional<std::string> EntryString(const std::string& entry, const std::string& value);

  TXInstallEngine engine;
  std::vector<std::string> progress_;  // "section:position:text"
  const std::string title_ = UniqueName("Tool");
};

}  // namespace xs
