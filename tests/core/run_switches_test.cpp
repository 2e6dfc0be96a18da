// The command line's decisions for an install run, case by case.
#include "core/run_switches.h"

#include <gtest/gtest.h>

#include <memory>

#include "script/items.h"

namespace xs {
namespace {

std::string Bits(const TXComponentSet& set) {
  std::string text;
  for (size_t i = 0; i < set.size(); ++i)
    if (set.test(i)) text += (text.empty() ? "" : ",") + std::to_string(i);
  return text;
}

TEST(RunSwitches, ComponentListsAreDecimalIndexesUpTo255) {
  struct Case {
    const char* text;
    const char* bits;  // nullptr: refused
  } cases[] = {
      {"0", "0"},           {"3,1", "1,3"},   {" 2 , 255 ", "2,255"}, {"4,4", "4"},
      {"", nullptr},        {"256", nullptr}, {"-1", nullptr},        {"1,,2", nullptr},
      {"1,", nullptr},      {"0x1", nullptr}, {"1;2", nullptr},       {"99999999999999999999", nullptr},
  };
  for (const Case& c : cases) {
    const auto set = ParseComponentList(c.text);
    EXPECT_EQ(set ? Bits(*set).c_str() : "refused", std::string(c.bits ? c.bits : "refused")) << c.text;
  }
}

TEST(RunSwitches, TheStartingSelectionHoldsEveryApplicationAndTheComponentsOfTheLanguage) {
  TXInstall script;
  script.AppItems.First()->AppIdx = 0;
  static_cast<TXUIAppItem*>(script.AppItems.Add())->AppIdx = 4;
  struct {
    int lg;
    uint8_t idx;
  } components[] = {{0, 7}, {9, 8}, {7, 9}};
  for (const auto& c : components) {
    auto item = std::make_unique<TXUIComponentItem>();
    item->SetLgID(c.lg);
    item->Idx = c.idx;
    script.AddItem(std::move(item));
  }
  EXPECT_EQ(Bits(DefaultSelection(script, 9)), "0,4,7,8");
  EXPECT_EQ(Bits(DefaultSelection(script, 7)), "0,4,7,9");
}

TEST(RunSwitches, ElevationOnlyWhenRightsAreNeededAndMissingAndNotYetTried) {
  struct Case {
    bool admin_required, all_users, has_rights, restarted, needs;
  } cases[] = {
      {false, false, false, false, false}, {true, false, false, false, true}, {false, true, false, false, true},
      {true, true, true, false, false},    {true, true, false, true, false},
  };
  for (const Case& c : cases) {
    TXInstall script;
    script.optAdminRequired = c.admin_required;
    TXRunSettings s;
    s.HasAdminRights = c.has_rights;
    if (c.all_users) s.RunConditions.set(cdAllUsers);
    EXPECT_EQ(NeedsElevation(script, s, c.restarted), c.needs)
        << c.admin_required << c.all_users << c.has_rights << c.restarted;
  }
}

TEST(RunSwitches, TheElevatedCopyGetsTheArgumentsAsTheyStood) {
  struct Case {
    const char* line;
    const char* parameters;
  } cases[] = {
      {"setup.exe", "/elevated"},
      {"\"C:\\Down loads\\setup.exe\" /silent /dir:\"C:\\My App\"", "/silent /dir:\"C:\\My App\" /elevated"},
      {"C:\\setup.exe  \t/allusers", "/allusers /elevated"},
      {"\"C:\\unclosed quote", "/elevated"},
      {"\"C:\\x\"y.exe /a", "/a /elevated"},
  };
  for (const Case& c : cases) EXPECT_EQ(ElevatedParameters(c.line), c.parameters) << c.line;
}

}  // namespace
}  // namespace xs
