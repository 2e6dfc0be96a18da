// The folders and keys an item makes on the way to its own: recorded before
// it acts, and removed by the uninstall when they are empty.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/file_system.h"
#include "platform/registry.h"
#include "script/file_items.h"
#include "script/registry_items.h"
#include "script/script_fixture.h"
#include "script/shell_items.h"
#include "script/special_folder.h"
#include "script/undo_records.h"

namespace xs {
namespace {

using UndoPlanTest = ScriptMachineTest;

// One item kind, acting on "<base>\P\Q\T": P and Q are the parents it
// makes.
struct Kind {
  const char* name;
  bool is_folder;  // else a registry key
  std::function<std::unique_ptr<TXUICustomItem>(const std::string& base)> item;
  std::function<std::string(const std::string& scratch, const std::string& test_key)> base;
  std::function<bool(const std::string& path)> exists;
  std::function<void(const std::string& path)> make;
  std::function<void(const std::string& path)> fill;  // puts other content into path
};

TXRegistry User() { return TXRegistry(kHKeyCurrentUser); }

std::vector<Kind> Kinds() {
  auto folder_exists = [](const std::string& p) { return FolderExists(p); };
  auto make_folder = [](const std::string& p) { ASSERT_TRUE(ForceFolders(p)); };
  auto fill_folder = [](const std::string& p) { ASSERT_TRUE(WriteTextFile(p + kPathDelim + "other.txt", "x")); };
  auto key_exists = [](const std::string& k) { return User().KeyExists(k); };
  auto make_key = [](const std::string& k) { ASSERT_TRUE(User().CreateKey(k)); };
  auto fill_key = [](const std::string& k) {
    TXRegistry r = User();
    ASSERT_TRUE(r.OpenKey(k, false));
    ASSERT_TRUE(r.WriteString("Other", "x"));
  };
  return {
      {"folder", true,
       [](const std::string& base) {
         auto item = std::make_unique<TXUIFolderItem>();
         item->FolderName = base + kPathDelim + "P" + kPathDelim + "Q" + kPathDelim + "T";
         return item;
       },
       [](const std::string& scratch, const std::string&) { return scratch + "tree"; }, folder_exists, make_folder, fill_folder},
      {"group", true,
       [](const std::string&) {
         auto item = std::make_unique<TXUIGroupItem>();
         item->GroupName = "XS Plan Test\\P\\Q\\T";
         return item;
       },
       [](const std::string&, const std::string&) { return GetSpecialFolder(2) + "XS Plan Test"; }, folder_exists, make_folder,
       fill_folder},
      {"key", false,
       [](const std::string& base) {
         auto item = std::make_unique<TXUIRegKeyItem>();
         item->KeyName = base + "\\P\\Q\\T";
         return item;
       },
       [](const std::string&, const std::string& test_key) { return test_key + "\\tree"; }, key_exists, make_key, fill_key},
      {"value", false,
       [](const std::string& base) {
         auto item = std::make_unique<TXUIRegValItem>();
         item->KeyName = base + "\\P\\Q\\T";
         item->ValueName = "Name";
         item->ValueType = optrString;
         item->Value = "v";
         return item;
       },
       [](const std::string&, const std::string& test_key) { return test_key + "\\tree"; }, key_exists, make_key, fill_key},
  };
}

// What the machine holds at "<base>P" before the install, and what the
// uninstall must leave there.
enum class Before { Nothing, ParentThere, ParentFilledLater };

TEST_F(UndoPlanTest, ParentsMadeOnTheWayGoWhenEmptyAndStayWhenTheyWereThereOrHoldMore) {
  for (const Kind& kind : Kinds()) {
    for (Before before : {Before::Nothing, Before::ParentThere, Before::ParentFilledLater}) {
      SCOPED_TRACE(std::string(kind.name) + " case " + std::to_string(static_cast<int>(before)));
      const std::string base = kind.base(Scratch(), TestKey());
      const std::string sep = kind.is_folder ? std::string(1, kPathDelim) : "\\";
      const std::string p = base + sep + "P", q = p + sep + "Q";
      kind.make(base);
      if (before == Before::ParentThere) kind.make(p);

      std::unique_ptr<TXUICustomItem> item = kind.item(base);
      item->SaveUndo = true;
      TXUndoRecords records;
      ASSERT_TRUE(PerformPlannedItem(*item, records, nullptr));
      const size_t made_parents = before == Before::ParentThere ? 1 : 2;
      // The value item makes T too; its record deletes the value.
      EXPECT_EQ(records.size(), made_parents + (std::string(kind.name) == "value" ? 2 : 1));
      if (before == Before::ParentFilledLater) kind.fill(p);

      TXUndo log;
      for (auto& record : records) log.AddItem(std::move(record));
      EXPECT_TRUE(ReverseUndoRecords(log));
      EXPECT_EQ(log.Items.Count(), 0) << "a parent that stays is no failure";
      EXPECT_FALSE(kind.exists(q));
      EXPECT_EQ(kind.exists(p), before != Before::Nothing);
      EXPECT_TRUE(kind.exists(base)) << "what was there before stays";
      if (kind.is_folder)
        RemoveTree(base);
      else
        ASSERT_TRUE(User().DeleteKey(base));
    }
  }
}

// A run that was killed leaves the plans in its journal; the next run gives
// the same records again when its items act, and the merge keeps each once
// only when the two are the same record.
TEST_F(UndoPlanTest, WhatAnItemPlansForWhatItMakesIsTheRecordItGivesWhenItActs) {
  for (const Kind& kind : Kinds()) {
    SCOPED_TRACE(kind.name);
    const std::string base = kind.base(Scratch(), TestKey());
    kind.make(base);
    std::unique_ptr<TXUICustomItem> item = kind.item(base);
    item->SaveUndo = true;
    item->Component = 3;
    item->LogIdx = 1;
    TXUndoPlan plan;
    item->PlanUndo(plan);
    std::unique_ptr<TXUICustomItem> record;
    ASSERT_TRUE(PerformItem(*item, record));
    ASSERT_NE(record, nullptr);
    ASSERT_EQ(plan.Pending.size(), 1u);
    EXPECT_TRUE(SameRecord(*plan.Pending[0], *record)) << plan.Pending[0]->ClassType().Name();
    if (kind.is_folder)
      RemoveTree(base);
    else
      ASSERT_TRUE(User().DeleteKey(base));
  }
}

}  // namespace
}  // namespace xs
