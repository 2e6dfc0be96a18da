#include "wizard/components_panel.h"

#include <gtest/gtest.h>

#include "ui/fake_measurer.h"

namespace xs {
namespace {

struct Addition {
  TXPanelEntryKind kind;
  std::string text;
  TXRect box, label;
};

// Ten words of nine characters: two lines in a 367-pixel label.
const std::string kLong = "component component component component component component component component "
                          "component component";

TEST(ComponentsPanel, EntriesStackDownThePanel) {
  struct Case {
    int ppi;
    std::vector<Addition> additions;
    std::vector<int> heights;  // the panel's, after each addition
  } cases[] = {
      {96,
       {{TXPanelEntryKind::Title, "Apps", {}, {4, 4, 28, 13}},
        {TXPanelEntryKind::Check, "Short", {8, 28, 13, 13}, {25, 28, 367, 13}},
        {TXPanelEntryKind::Required, kLong, {8, 49, 13, 13}, {25, 49, 367, 26}},
        {TXPanelEntryKind::Title, "More", {}, {4, 83, 28, 13}}},
       {32, 53, 87, 111}},
      // The box outgrows the 13-pixel text line, which is centred on it.
      {144,
       {{TXPanelEntryKind::Check, "Short", {12, 6, 20, 20}, {38, 9, 350, 13}},
        {TXPanelEntryKind::Title, "Apps", {}, {6, 31, 28, 13}}},
       {37, 73}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ppi);
    FakeMeasurer measurer;
    measurer.Ppi = c.ppi;
    TXComponentsPanel panel(400, measurer);
    EXPECT_EQ(panel.Height(), ScaleDesign(8, c.ppi));
    for (size_t i = 0; i < c.additions.size(); ++i) {
      const Addition& a = c.additions[i];
      if (a.kind == TXPanelEntryKind::Title) panel.AddTitle(a.text);
      if (a.kind == TXPanelEntryKind::Check) panel.AddCheck(a.text, false, nullptr);
      if (a.kind == TXPanelEntryKind::Required) panel.AddRequired(a.text, nullptr);
      EXPECT_EQ(panel.Height(), c.heights[i]) << i;
      ASSERT_EQ(panel.Entries().size(), i + 1);
      EXPECT_EQ(panel.Entries()[i].Box, a.box) << i;
      EXPECT_EQ(panel.Entries()[i].Label, a.label) << i;
    }
    panel.Clear();
    EXPECT_TRUE(panel.Entries().empty());
    EXPECT_EQ(panel.Height(), ScaleDesign(8, c.ppi));
    // The running top starts again at the top.
    panel.AddTitle("Apps");
    EXPECT_EQ(panel.Entries()[0].Label.Top, ScaleDesign(4, c.ppi));
  }
}

TEST(ComponentsPanel, ItemsAreCountedWithoutTitlesAndClickedByIndex) {
  FakeMeasurer measurer;
  TXComponentsPanel panel(300, measurer);
  const TObject* object = reinterpret_cast<const TObject*>(&panel);
  panel.AddTitle("Editor");
  panel.AddCheck("Spelling", true, object);
  panel.AddTitle("Viewer");
  panel.AddRequired("Core", nullptr);
  panel.AddCheck("Plugins", false, nullptr);
  ASSERT_EQ(panel.Count(), 3);
  EXPECT_EQ(panel.Item(0).Object, object);
  EXPECT_EQ(panel.Item(1).Text, "Core");
  struct Step {
    int click;
    std::vector<bool> checked;
  } steps[] = {
      {-1, {true, true, false}},  // as added
      {0, {false, true, false}},
      {1, {false, true, false}},  // a required item turns checked again
      {2, {false, true, true}},
      {0, {true, true, true}},
      {3, {true, true, true}},    // out of range: nothing
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.click);
    panel.Click(step.click);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(panel.Checked(i), step.checked[i]) << i;
  }
  EXPECT_FALSE(panel.Checked(-1));
  EXPECT_FALSE(panel.Checked(3));
}

}  // namespace
}  // namespace xs
