// Undo records: what each item kind records, where a run keeps records,
// record equality, merging an earlier log and walking a log last first.
#include "script/undo_records.h"

#include <functional>
#include <vector>

#include "platform/file_system.h"
#include "platform/registry.h"
#include "script/file_items.h"
#include "script/install.h"
#include "script/item_factory.h"
#include "script/registry_items.h"
#include "script/shell_items.h"
#include "script/system_items.h"
#include "script_fixture.h"

namespace xs {
namespace {

// The stored fields of an item as text, for comparing whole records.
std::string Fields(const TXUICustomItem& item) {
  auto& object = const_cast<TXUICustomItem&>(item);
  std::string out = item.ClassType().Name();
  for (const TPropInfo* p : item.ClassType().Properties()) {
    if (p->Kind == TPropKind::Object) continue;
    TPropValue v = p->Get(object);
    out += " " + p->Name + "=";
    if (auto* n = std::get_if<int64_t>(&v)) out += std::to_string(*n);
    if (auto* s = std::get_if<std::string>(&v)) out += *s;
  }
  return out;
}

using UndoRecords = ScriptMachineTest;

// The executed item's Section, LgID and Component travel into its record.
template <class T>
std::unique_ptr<T> Logged(std::unique_ptr<T> item, TXUISection section) {
  item->SaveUndo = true;
  item->Section = section;
  item->SetLgID(7);
  item->Component = 4;
  item->ErrorOptions = eoAbort;
  item->Condition.reset().set(cdNotOld);
  return item;
}

TEST_F(UndoRecords, EachItemKindRecordsItsReversal) {
  std::string group = UniqueName("XSetup Records");
  std::string target = Scratch("app.exe");
  ASSERT_TRUE(WriteTextFile(target, "MZ"));
  std::string key = TestKey() + "\\Records";

  auto group_item = Logged(std::make_unique<TXUIGroupItem>(), isGroup);
  group_item->GroupName = group;
  auto icon_item = Logged(std::make_unique<TXUIIconItem>(), isIcon);
  icon_item->LinkName = group + kPathDelim + "App.lnk";
  icon_item->FileName = target;
  auto key_item = Logged(NewRegKeyItem(eoShow, true, hkey::CurrentUser, optrFailIfExists, key), isReg);
  auto value_item = Logged(
      NewRegValItem(eoShow, true, hkey::CurrentUser, optrNone, key, "Path", "x", optrString), isRegFile);
  std::string programs = group_item->GroupFolder().substr(0, group_item->GroupFolder().size() - group.size());

  struct Case {
    TXUICustomItem* item;
    std::unique_ptr<TXUICustomItem> expected;
  };
  std::vector<Case> cases;
  cases.push_back({group_item.get(), NewDelFolderItem(eoIgnore, programs + group)});
  cases.push_back({icon_item.get(), NewDelFileItem(eoIgnore, programs + icon_item->LinkName)});
  cases.push_back({key_item.get(), NewDelRegKeyItem(eoIgnore, hkey::CurrentUser, optrFailIfExists, key)});
  cases.push_back({value_item.get(), NewDelRegValItem(eoIgnore, hkey::CurrentUser, optrNone, key, "Path")});
  for (Case& c : cases) {
    SetUndoProps(*c.expected, c.item->Section, 7, 4, true, TXUIConditions().set(cdAlways));
    std::unique_ptr<TXUICustomItem> record;
    ASSERT_TRUE(c.item->Execute(record)) << c.item->ClassType().Name();
    ASSERT_TRUE(record) << c.item->ClassType().Name();
    EXPECT_EQ(Fields(*record), Fields(*c.expected));
    // Without SaveUndo the same success hands back nothing.
    c.item->SaveUndo = false;
    std::unique_ptr<TXUICustomItem> none;
    EXPECT_TRUE(c.item->Execute(none)) << c.item->ClassType().Name();
    EXPECT_FALSE(none) << c.item->ClassType().Name();
  }
  RemoveTree(programs + group);
}

TEST_F(UndoRecords, ItemsWithoutReversalRecordNothing) {
  std::vector<std::unique_ptr<TXUICustomItem>> items;
  items.push_back(std::make_unique<TXUIXIniItem>());
  items.push_back(std::make_unique<TXUIDelXIniItem>());
  items.push_back(std::make_unique<TXUISysParametersItem>());
  auto profile = std::make_unique<TXUISysProfilesItem>();
  profile->ProfileType = optPrivateProfileString;
  profile->FileName = Scratch("x.ini");
  profile->SectionName = "S";
  items.push_back(std::move(profile));
  auto message = std::make_unique<TXUIMessageItem>();
  message->WndMsg = 0x8000 + 77;
  message->WndTitle = UniqueName("nobody");
  items.push_back(std::move(message));
  items.push_back(NewDelRegKeyItem(eoIgnore, hkey::CurrentUser, optrNone, TestKey() + "\\Nothing"));
  for (auto& item : items) {
    item->SaveUndo = true;
    std::unique_ptr<TXUICustomItem> record;
    item->Execute(record);
    EXPECT_FALSE(record) << item->ClassType().Name();
  }
}

TEST_F(UndoRecords, UndoItemsAreCopiedNotExecuted) {
  std::string key = TestKey() + "\\Kept";
  ASSERT_TRUE(TXRegistry(kHKeyCurrentUser).CreateKey(key));
  auto item = NewDelRegKeyItem(eoShow, hkey::CurrentUser, optrNone, key);
  item->IsUndo = true;
  item->SaveUndo = false;  // copies of undo items ignore it
  item->LogIdx = 1;
  item->UpgFromVer = "1.0";
  std::unique_ptr<TXUICustomItem> record;
  EXPECT_TRUE(PerformItem(*item, record));
  EXPECT_TRUE(TXRegistry(kHKeyCurrentUser).KeyExists(key));  // not executed
  ASSERT_TRUE(record);
  EXPECT_NE(record.get(), item.get());
  EXPECT_EQ(Fields(*record), Fields(*item));
  EXPECT_TRUE(record->IsUndo);

  // An ordinary item is executed.
  item->IsUndo = false;
  std::unique_ptr<TXUICustomItem> none;
  EXPECT_TRUE(PerformItem(*item, none));
  EXPECT_FALSE(TXRegistry(kHKeyCurrentUser).KeyExists(key));
  EXPECT_FALSE(none);
}

TEST_F(UndoRecords, RunKeepsRecordsByLogIndexAndSection) {
  TXUndoList logs;
  logs.Add(new TXUndo);
  logs.Add(new TXUndo);
  TXUndo temp;
  auto record_of = [](const std::string& name) { return std::unique_ptr<TXUICustomItem>(NewDelFileItem(eoIgnore, name)); };
  struct Case {
    uint8_t log_idx;
    TXUISection section;
    bool succeeded;
    int expect_log;  // 0, 1; 2 the temporary log; -1 freed
  };
  const std::vector<Case> cases = {
      {0, isFile, true, 0},  {1, isReg, true, 1},    {3, isFile, true, -1},  // past the list
      {1, isFile, false, -1}, {1, isTemp, true, 2}, {5, isTemp, true, 2},
      {0, isTemp, false, -1},
  };
  int n = 0;
  std::vector<std::vector<std::string>> expected(3);
  for (const Case& c : cases) {
    TXUIFileItem item;
    item.LogIdx = c.log_idx;
    item.Section = c.section;
    std::string name = "record " + std::to_string(n++);
    KeepUndoRecord(item, c.succeeded, record_of(name), logs, temp);
    if (c.expect_log >= 0) expected[static_cast<size_t>(c.expect_log)].push_back(name);
  }
  // No record at all is nothing to keep.
  TXUIFileItem plain;
  KeepUndoRecord(plain, true, nullptr, logs, temp);
  auto names = [](const TXUndo& log) {
    std::vector<std::string> out;
    for (int i = 0; i < log.Items.Count(); ++i)
      out.push_back(static_cast<TXUIDelFileItem*>(log.Items.GetItem(i))->FileName);
    return out;
  };
  EXPECT_EQ(names(*logs.GetItem(0)), expected[0]);
  EXPECT_EQ(names(*logs.GetItem(1)), expected[1]);
  EXPECT_EQ(names(temp), expected[2]);
}

TEST_F(UndoRecords, NewLogCopiesTheApplicationWithItsPathsExpanded) {
  TXInstall script;
  script.optAdminRequired = false;
  script.optRestart = true;
  script.optSilent = true;
  script.Design.TopColor1 = static_cast<TColor>(0x123456);
  TXUIAppItem* app = script.AppItems.First();
  app->Title = "Hello Notes";
  app->UILog = "C:\\Apps\\notes.xui";
  app->optSaveLog = true;
  RunSettings().CurrentLgID = 7;

  std::unique_ptr<TXUndo> log = NewUndoLog(script, *app);
  EXPECT_EQ(log->LgID(), 7);
  ASSERT_EQ(log->AppItems.Count(), 1);
  EXPECT_EQ(log->AppItems.GetItem(0)->Title, "Hello Notes");
  EXPECT_EQ(log->AppItems.GetItem(0)->UILog, "C:\\Apps\\notes.xui");
  EXPECT_EQ(log->Design.TopColor1, 0x123456);
  EXPECT_TRUE(log->optRestart);
  EXPECT_FALSE(log->optSilent);
  EXPECT_FALSE(log->optAdminRequired);
  EXPECT_EQ(log->Items.Count(), 0);

  RunSettings().RunConditions.set(cdAllUsers);
  EXPECT_TRUE(NewUndoLog(script, *app)->optAdminRequired);
  RunSettings().RunConditions.reset();
  script.optAdminRequired = true;
  EXPECT_TRUE(NewUndoLog(script, *app)->optAdminRequired);
}

TEST_F(UndoRecords, SameRecordComparesEveryStoredProperty) {
  auto base = NewDelRegValItem(eoIgnore, hkey::CurrentUser, optrNone, "Software\\App", "Path");
  SetUndoProps(*base, isReg, 7, 2, true, TXUIConditions().set(cdAlways));
  base->LogIdx = 1;
  base->UpgFromVer = "1.0";
  auto copy = CopyItem(*base);
  ASSERT_TRUE(copy);
  EXPECT_TRUE(SameRecord(*base, *copy));

  // Each stored property in turn: a copy that differs only there differs.
  int checked = 0;
  for (const TPropInfo* p : base->ClassType().Properties()) {
    if (!p->IsStored || p->Kind == TPropKind::Object) continue;
    auto other = CopyItem(*base);
    TPropValue v = p->Get(*other);
    if (auto* s = std::get_if<std::string>(&v)) {
      p->Set(*other, *s + "x");
    } else {
      int64_t n = std::get<int64_t>(v);
      p->Set(*other, p->Kind == TPropKind::Boolean ? 1 - n : (n == p->Min ? n + 1 : n - 1));
    }
    EXPECT_FALSE(SameRecord(*base, *other)) << p->Name;
    EXPECT_FALSE(SameRecord(*other, *base)) << p->Name;
    ++checked;
  }
  EXPECT_EQ(checked, 14);  // LgID, the nine common ones, RootID, Options, KeyName, ValueName

  // Classes must match, even with equal common fields.
  TXUIDelFileItem file;
  TXUIDelFolderItem folder;
  EXPECT_FALSE(SameRecord(file, folder));
  TXUIRegKeyItem key;
  TXUIDelRegKeyItem del_key;
  EXPECT_FALSE(SameRecord(key, del_key));
  EXPECT_TRUE(SameRecord(*NewDelFileItem(eoIgnore, "a"), *NewDelFileItem(eoIgnore, "a")));
  EXPECT_FALSE(SameRecord(*NewDelFileItem(eoIgnore, "a"), *NewDelFileItem(eoIgnore, "A")));
}

std::unique_ptr<TXUICustomItem> FileRecord(const std::string& name) {
  return AsUndoRecord(TXUIFileItem(), NewDelFileItem(eoIgnore, name));
}

std::vector<std::string> RecordNames(const TXUndo& log) {
  std::vector<std::string> out;
  for (int i = 0; i < log.Items.Count(); ++i)
    out.push_back(static_cast<TXUICustomFileItem*>(log.Items.GetItem(i))->FileName);
  return out;
}

TEST_F(UndoRecords, MergeKeepsEachRecordOnceWhereItWasFirstRecorded) {
  struct Case {
    std::vector<std::string> earlier, now, merged;
  };
  const std::vector<Case> cases = {
      {{"a", "b", "c"}, {"b", "d"}, {"a", "b", "c", "d"}},       // b was recorded again
      {{"a", "b"}, {"a", "b"}, {"a", "b"}},                      // the same install twice
      {{"old", "a"}, {"a"}, {"old", "a"}},                       // a file no longer written
      {{}, {"a"}, {"a"}},
      {{"a", "b"}, {}, {"a", "b"}},
      {{"a", "x", "a"}, {"b", "a"}, {"a", "x", "b"}},            // repeats in the earlier log
  };
  for (const Case& c : cases) {
    TXUndo earlier, log;
    for (const std::string& name : c.earlier) earlier.AddItem(FileRecord(name));
    for (const std::string& name : c.now) log.AddItem(FileRecord(name));
    MergeUndoRecords(log, earlier);
    EXPECT_EQ(RecordNames(log), c.merged) << ::testing::PrintToString(c.earlier);
    EXPECT_EQ(earlier.Items.Count(), 0);
  }
  // A record that differs in any field (here the component) is another one.
  TXUndo earlier, log;
  auto other_component = FileRecord("a");
  other_component->Component = 1;
  earlier.AddItem(std::move(other_component));
  log.AddItem(FileRecord("a"));
  MergeUndoRecords(log, earlier);
  EXPECT_EQ(log.Items.Count(), 2);
  EXPECT_EQ(log.Items.GetItem(0)->Component, 1);
}

// A record whose reversal is scripted: it succeeds, fails or raises, and
// notes that it ran.
class ScriptedRecord : public TXUIDelFileItem {
 public:
  enum Outcome { kSucceeds, kFails, kRaises };
  ScriptedRecord(const std::string& name, Outcome outcome, std::vector<std::string>* journal)
      : outcome_(outcome), journal_(journal) {
    FileName = name;
    IsUndo = true;
    SaveUndo = true;
    Section = isFile;
  }
  bool Execute(std::unique_ptr<TXUICustomItem>& undo) override {
    journal_->push_back(FileName + (SaveUndo ? " saving" : ""));
    undo = NewDelFileItem(eoIgnore, "handed back");  // freed by the walk
    if (outcome_ == kRaises) throw Exception("raised");
    return outcome_ == kSucceeds;
  }
  std::string GetDisplayText() const override { return FileName; }

 private:
  Outcome outcome_;
  std::vector<std::string>* journal_;
};

TEST_F(UndoRecords, WalkGoesLastFirstAndKeepsFailures) {
  std::vector<std::string> journal;
  TXUndo log;
  log.AddItem(std::make_unique<ScriptedRecord>("a", ScriptedRecord::kSucceeds, &journal));
  log.AddItem(std::make_unique<ScriptedRecord>("b", ScriptedRecord::kFails, &journal));
  log.AddItem(std::make_unique<ScriptedRecord>("c", ScriptedRecord::kRaises, &journal));
  log.AddItem(std::make_unique<ScriptedRecord>("d", ScriptedRecord::kSucceeds, &journal));
  std::vector<std::pair<std::string, int>> reported;
  bool result = ReverseUndoRecords(log, [&](TXUISection section, int position, const std::string& text) {
    EXPECT_EQ(section, isFile);
    reported.push_back({text, position});
  });
  EXPECT_EQ(journal, (std::vector<std::string>{"d", "c", "b", "a"}));  // SaveUndo cleared first
  EXPECT_EQ(RecordNames(log), (std::vector<std::string>{"b", "c"}));
  EXPECT_TRUE(result);  // the first record's outcome
  // Positions count from the end over the records left at each step: d is
  // 1 of 4; once d is gone, c is 1 of 3, b 2 of 3 and a 3 of 3.
  EXPECT_EQ(reported, (std::vector<std::pair<std::string, int>>{{"d", 25}, {"c", 33}, {"b", 67}, {"a", 100}}));

  // Walking what is left: both fail again and stay; the result is the
  // outcome of the last one performed (b fails).
  journal.clear();
  EXPECT_FALSE(ReverseUndoRecords(log));
  EXPECT_EQ(journal, (std::vector<std::string>{"c", "b"}));
  EXPECT_EQ(log.Items.Count(), 2);

  TXUndo empty;
  EXPECT_TRUE(ReverseUndoRecords(empty));
}

TEST_F(UndoRecords, WalkPositionsAreAtLeastTwo) {
  std::vector<std::string> journal;
  TXUndo log;
  for (int i = 0; i < 100; ++i)
    log.AddItem(std::make_unique<ScriptedRecord>(std::to_string(i), ScriptedRecord::kFails, &journal));
  std::vector<int> positions;
  ReverseUndoRecords(log, [&](TXUISection, int position, const std::string&) { positions.push_back(position); });
  ASSERT_EQ(positions.size(), 100u);
  EXPECT_EQ(positions[0], 2);   // 1 of 100
  EXPECT_EQ(positions[1], 2);
  EXPECT_EQ(positions[2], 3);
  EXPECT_EQ(positions[99], 100);
}

TEST_F(UndoRecords, RealRecordsReverseAnInstall) {
  // Two installs of the same items, merged, then walked: every trace goes.
  std::string key = TestKey() + "\\Walk";
  TXUndo first, second;
  auto run = [&](TXUndo& log) {
    std::vector<std::unique_ptr<TXUICustomItem>> items;
    items.push_back(NewRegKeyItem(eoShow, true, hkey::CurrentUser, optrNone, key));
    items.push_back(NewRegValItem(eoIgnore, true, hkey::CurrentUser, optrNone, key, "A", "1", optrInteger));
    items.push_back(NewRegValItem(eoIgnore, true, hkey::CurrentUser, optrNone, key, "B", "x", optrString));
    for (auto& item : items) {
      std::unique_ptr<TXUICustomItem> record;
      ASSERT_TRUE(PerformItem(*item, record));
      log.AddItem(std::move(record));
    }
  };
  run(first);
  run(second);
  MergeUndoRecords(second, first);
  ASSERT_EQ(second.Items.Count(), 3);
  EXPECT_TRUE(ReverseUndoRecords(second));
  EXPECT_EQ(second.Items.Count(), 0);
  EXPECT_FALSE(TXRegistry(kHKeyCurrentUser).KeyExists(key));
}

}  // namespace
}  // namespace xs
