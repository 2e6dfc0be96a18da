// The uninstall entry: its name (LogTitle, LogTitle_iN, or an entry of the
// same log reused), its values, and the undo log merged over an earlier one.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/little_endian.h"
#include "base/text.h"
#include "engine_run_fixture.h"
#include "package/filer.h"
#include "platform/file_stream.h"
#include "platform/registry.h"
#include "script/file_actions.h"
#include "script/registry_items.h"
#include "script/undo_records.h"
#include "uninstall/uninstall_entries.h"
#include "uninstall/uninstall_filer.h"

namespace xs {
namespace {

using UninstallRegistrationTest = EngineRunTest;

std::string Command(const std::string& log) { return "\"C:\\App\\uninst.exe\" /file:\"" + log + "\""; }

TEST_F(UninstallRegistrationTest, EntryNameIsReusedOrNumbered) {
  const std::string t = title_;
  const std::string log = Scratch("app.xui");
  struct Entry {
    std::string name;
    std::string uninstall_string;
  };
  struct Case {
    const char* what;
    std::vector<Entry> existing;
    std::string expected;
  } cases[] = {
      {"none", {}, t},
      {"other logs", {{t, Command("C:\\x.xui")}, {t + "_i1", Command("C:\\y.xui")}}, t + "_i2"},
      {"same log in other case", {{t, Command("C:\\x.xui")}, {t + "_i1", Command(AsciiUpperCase(log))}}, t + "_i1"},
      {"candidate in other case", {{AsciiUpperCase(t), Command("C:\\x.xui")}}, t + "_i1"},
      {"not a candidate", {{t + "Box", Command(log)}}, t},
      {"no /file:", {{t, "\"C:\\App\\uninst.exe\" " + log}, {t + "_i1", "\"" + log + "\""}}, t + "_i2"},
      {"no closing quote", {{t, "uninst.exe /file:\"" + log}}, t + "_i1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Script().Clear();
    RemoveEntries();
    for (const Entry& e : c.existing) {
      TXRegistry registry(kHKeyCurrentUser);
      ASSERT_TRUE(registry.OpenKey(std::string(kUninstallKey) + "\\" + e.name, true));
      ASSERT_TRUE(registry.WriteString("UninstallString", e.uninstall_string));
    }
    TXUIAppItem& app = LoggedApp();
    std::unique_ptr<TXUndo> undo = NewUndoLog(Script(), app);
    engine.RegisterUninstall(app, *undo, UninstallEntryNames(kHKeyCurrentUser), kHKeyCurrentUser);
    ASSERT_EQ(Script().Items.Count(), 12);
    auto* key = dynamic_cast<TXUIRegKeyItem*>(Script().Items.GetItem(0));
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->KeyName, std::string(kUninstallKey) + "\\" + c.expected);
  }
}

TEST_F(UninstallRegistrationTest, TheItemsWriteTheEntryValuesInTheRunLanguage) {
  TXUIAppItem& app = LoggedApp();
  app.Icon = "<install>tool.ico";
  app.Folder = Scratch("App");
  auto info = [&](const char* name, int lg, const char* s) {
    auto* item = static_cast<TXStringItem*>(app.UIInfo.Add());
    item->Name = name;
    item->LgID = lg;
    item->S = s;
  };
  info("Publisher", 7, "Hersteller");  // the primary language of 1031
  info("Publisher", 9, "Maker");
  info("Contact", 1031, "Kontakt");    // German (Germany) itself
  info("URLInfoAbout", 9, "about");   // the list's default language
  info("Comments", 0, "Notes");
  info("helplink", 7, "wrong case");
  RunSettings().CurrentLgID = 1031;
  std::unique_ptr<TXUndo> undo = NewUndoLog(Script(), app);
  engine.RegisterUninstall(app, *undo, {}, kHKeyLocalMachine);

  const TXUIObjectList& items = Script().Items;
  ASSERT_EQ(items.Count(), 12);
  auto* key = dynamic_cast<TXUIRegKeyItem*>(items.GetItem(0));
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(key->RootID, kHKeyLocalMachine);
  EXPECT_EQ(key->ErrorOptions, eoShow);
  EXPECT_TRUE(key->SaveUndo);
  std::vector<std::string> values;
  for (int i = 1; i <= 10; ++i) {
    auto* value = dynamic_cast<TXUIRegValItem*>(items.GetItem(i));
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->ValueType, optrString);
    EXPECT_EQ(value->ErrorOptions, eoIgnore);
    EXPECT_EQ(value->KeyName, key->KeyName);
    values.push_back(value->ValueName + "=" + value->Value);
  }
  EXPECT_EQ(values, (std::vector<std::string>{
                        "DisplayName=Tool 2",
                        "DisplayIcon=<install>tool.ico",
                        "DisplayVersion=2.5",
                        "Publisher=Hersteller",
                        "URLInfoAbout=about",
                        "URLUpdateInfo=",
                        "HelpLink=",
                        "Contact=Kontakt",
                        "Comments=Install folder: " + Scratch("App") + "\r\nNotes",
                        "UninstallString=\"" + app.UIExe + "\" /file:\"" + app.UILog + "\"",
                    }));
  auto* delete_log = dynamic_cast<TXUIDelFileItem*>(items.GetItem(11));
  ASSERT_NE(delete_log, nullptr);
  EXPECT_TRUE(delete_log->IsUndo);
  EXPECT_EQ(delete_log->Section, isFile);
  EXPECT_EQ(delete_log->FileName, app.UILog);
}

TEST_F(UninstallRegistrationTest, NothingForAnUnloggedOrUntitledApplicationOrInCardMode) {
  for (int c = 0; c < 3; ++c) {
    Script().Clear();
    TXUIAppItem& app = LoggedApp();
    if (c == 0) app.optSaveLog = false;
    if (c == 1) app.LogTitle.clear();
    RunSettings().RunConditions.reset();
    if (c == 2) RunSettings().RunConditions.set(cdCardMode);
    std::unique_ptr<TXUndo> undo = NewUndoLog(Script(), app);
    engine.RegisterUninstall(app, *undo, {}, kHKeyCurrentUser);
    EXPECT_EQ(Script().Items.Count(), 0) << c;
  }
}

std::unique_ptr<TXUndo> LogOf(TXInstall& script, const std::vector<std::string>& folders) {
  auto log = NewUndoLog(script, *script.AppItems.First());
  for (const std::string& folder : folders) {
    auto record = std::make_unique<TXUIDelFolderItem>();
    record->FolderName = folder;
    record->IsUndo = true;
    log->AddItem(std::move(record));
  }
  return log;
}

std::vector<std::string> Folders(const TXUndo& log) {
  std::vector<std::string> folders;
  for (int i = 0; i < log.Items.Count(); ++i) folders.push_back(log.Items.GetItem(i)->GetDisplayText());
  return folders;
}

TEST_F(UninstallRegistrationTest, MergeKeepsEarlierRecordsFirstAndEachRecordOnceInItsEarlierPlace) {
  LoggedApp();
  const std::string file = Script().AppItems.First()->UILog;
  ASSERT_TRUE(SaveNewFileWith(file, FilerClass<TXUninstallFiler>, LogOf(Script(), {"A", "B", "C"}).get(),
                              false, nullptr));
  std::unique_ptr<TXUndo> log = LogOf(Script(), {"B", "D"});
  EXPECT_TRUE(engine.MergeUndoLog(*log));
  EXPECT_EQ(Folders(*log), (std::vector<std::string>{"A", "B", "C", "D"}));
  TXUndo written;
  ASSERT_TRUE(LoadFileWith(file, FilerClass<TXUninstallFiler>, &written, false, nullptr));
  EXPECT_EQ(Folders(written), Folders(*log));
  EXPECT_FALSE(FileExists(ChangeFileExt(file, ".damaged")));

  // The same run again changes nothing.
  log = LogOf(Script(), {"B", "D"});
  EXPECT_TRUE(engine.MergeUndoLog(*log));
  EXPECT_EQ(Folders(*log), (std::vector<std::string>{"A", "B", "C", "D"}));
}

// An earlier log with a damaged record: the records that verified are
// merged, and the file is kept beside the new log as ".damaged".
TEST_F(UninstallRegistrationTest, AnEarlierLogWithADamagedRecordGivesItsIntactRecords) {
  LoggedApp();
  const std::string file = Script().AppItems.First()->UILog;
  ASSERT_TRUE(SaveNewFileWith(file, FilerClass<TXUninstallFiler>, LogOf(Script(), {"A", "B", "C"}).get(),
                              false, nullptr));
  std::string bytes = ReadTextFile(file);
  // The last record before the end record is the last item's header; a
  // changed byte of its body fails its checksum.
  size_t last_header = 0;
  for (size_t link = 107; bytes[link + 2] == 'N'; link = static_cast<size_t>(GetI64(reinterpret_cast<const uint8_t*>(bytes.data()) + link + 8)))
    if (bytes[link + 18] != 'G') last_header = link + 16;
  ASSERT_NE(last_header, 0u);
  bytes[last_header + 12] ^= 0x20;
  ASSERT_TRUE(WriteTextFile(file, bytes));

  std::unique_ptr<TXUndo> log = LogOf(Script(), {"D"});
  EXPECT_TRUE(engine.MergeUndoLog(*log));
  EXPECT_EQ(Folders(*log), (std::vector<std::string>{"A", "B", "D"}));
  EXPECT_EQ(ReadTextFile(ChangeFileExt(file, ".damaged")), bytes);
  TXUndo written;
  ASSERT_TRUE(LoadFileWith(file, FilerClass<TXUninstallFiler>, &written, false, nullptr));
  EXPECT_EQ(Folders(written), Folders(*log));
}

TEST_F(UninstallRegistrationTest, AnUnreadableEarlierLogIsKeptAsDamagedAndReplaced) {
  LoggedApp();
  const std::string file = Script().AppItems.First()->UILog;
  ASSERT_TRUE(WriteTextFile(file, "not a log"));
  std::unique_ptr<TXUndo> log = LogOf(Script(), {"D"});
  EXPECT_TRUE(engine.MergeUndoLog(*log));
  EXPECT_EQ(Folders(*log), std::vector<std::string>{"D"});
  EXPECT_EQ(ReadTextFile(ChangeFileExt(file, ".damaged")), "not a log");

  // A log that cannot be written: a folder stands in its place.
  ASSERT_TRUE(DeleteFileEx(file));
  ASSERT_TRUE(ForceFolders(file));
  EXPECT_FALSE(engine.MergeUndoLog(*log));
  EXPECT_NE(XError().GetCode(), 0);
}

}  // namespace
}  // namespace xs
