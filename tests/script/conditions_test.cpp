// The condition check against the run state: one table of cases.
#include "script/conditions.h"

#include <string>
#include <vector>

#include "script_fixture.h"

namespace xs {
namespace {

struct ConditionCase {
  const char* what;
  std::vector<TXUICondition> condition;  // the item's
  std::vector<TXUICondition> run;        // RunConditions
  bool runs;
  int32_t item_lg_id = 0;
  int32_t current_lg_id = 9;
  uint8_t component = 0;
  std::vector<int> selected = {0};
};

TXUIConditions SetOf(const std::vector<TXUICondition>& members) {
  TXUIConditions set;
  for (TXUICondition m : members) set.set(m);
  return set;
}

const ConditionCase kCases[] = {
    {"empty condition, normal run", {}, {}, false},
    {"empty condition, demo run", {}, {cdDemo}, false},
    {"empty condition, every run condition", {}, {cdReinstall, cdOld, cdCardMode, cdAllUsers}, false},
    {"always", {cdAlways}, {}, true},
    {"always, not in a demo run", {cdAlways}, {cdDemo}, false},
    {"always+demo, normal run", {cdAlways, cdDemo}, {}, true},
    {"always+demo, demo run", {cdAlways, cdDemo}, {cdDemo}, true},
    {"demo alone, normal run", {cdDemo}, {}, false},
    {"demo alone, demo run", {cdDemo}, {cdDemo}, true},
    {"demo run ignores the other needs", {cdDemo, cdReinstall}, {cdDemo}, true},
    {"demo run ignores the other needs (old)", {cdDemo, cdNotOld}, {cdDemo, cdOld}, true},
    {"always wins over a failing pair", {cdAlways, cdReinstall}, {}, true},
    {"reinstall, found", {cdReinstall}, {cdReinstall}, true},
    {"reinstall, not found", {cdReinstall}, {}, false},
    {"not reinstall, not found", {cdNotReinstall}, {}, true},
    {"not reinstall, found", {cdNotReinstall}, {cdReinstall}, false},
    {"both reinstall members: the positive counts", {cdReinstall, cdNotReinstall}, {}, false},
    {"both reinstall members, found", {cdReinstall, cdNotReinstall}, {cdReinstall}, true},
    {"old, known", {cdOld}, {cdOld}, true},
    {"old, unknown", {cdOld}, {}, false},
    {"not old, unknown", {cdNotOld}, {}, true},
    {"not old, known", {cdNotOld}, {cdOld}, false},
    {"both old members: the positive counts", {cdOld, cdNotOld}, {cdOld}, true},
    {"card mode never set", {cdCardMode}, {}, false},
    {"not card mode", {cdNotCardMode}, {}, true},
    {"not card mode in card mode", {cdNotCardMode}, {cdCardMode}, false},
    {"all users never set", {cdAllUsers}, {}, false},
    {"all users, set", {cdAllUsers}, {cdAllUsers}, true},
    {"single user", {cdSingleUser}, {}, true},
    {"single user in an all-users run", {cdSingleUser}, {cdAllUsers}, false},
    {"two pairs, both met", {cdReinstall, cdNotOld}, {cdReinstall}, true},
    {"two pairs, the second fails", {cdReinstall, cdNotOld}, {cdReinstall, cdOld}, false},
    {"two pairs, the first fails", {cdReinstall, cdOld}, {cdOld}, false},
    {"demo with a pair, normal run: the pair decides", {cdDemo, cdNotOld}, {}, true},
    {"language of the run", {cdAlways}, {}, true, 7, 7},
    {"another language", {cdAlways}, {}, false, 7, 9},
    {"language 0 runs in every language", {cdAlways}, {}, true, 0, 12},
    {"another language, even in a demo run", {cdDemo}, {cdDemo}, false, 7, 9},
    {"component not selected", {cdAlways}, {}, false, 0, 9, 3, {0}},
    {"component selected", {cdAlways}, {}, true, 0, 9, 3, {0, 3}},
    {"component 0 not selected", {cdAlways}, {}, false, 0, 9, 0, {3}},
    {"component 255 selected", {cdAlways}, {}, true, 0, 9, 255, {255}},
    {"unselected component, even in a demo run", {cdDemo}, {cdDemo}, false, 0, 9, 3, {0}},
};

using ConditionTest = ScriptFixture;

TEST_F(ConditionTest, FollowsTheRunState) {
  for (const ConditionCase& c : kCases) {
    TXUICustomItem item;
    item.Condition = SetOf(c.condition);
    item.SetLgID(c.item_lg_id);
    item.Component = c.component;
    TXRunSettings& run = RunSettings();
    run.RunConditions = SetOf(c.run);
    run.CurrentLgID = c.current_lg_id;
    run.SelectedComponents.reset();
    for (int n : c.selected) run.SelectedComponents.set(static_cast<size_t>(n));
    EXPECT_EQ(CheckCondition(item), c.runs) << c.what;
  }
}

}  // namespace
}  // namespace xs
