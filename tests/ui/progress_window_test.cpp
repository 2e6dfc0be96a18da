#include "ui/progress_window.h"

#include <gtest/gtest.h>

#include <string>

#include "fake_measurer.h"
#include "ui/message_box_layout.h"

namespace xs {
namespace {

// The line and the bar share the margins, lie one under the other inside
// the client area, scale with the screen, and leave the caption whole.
TEST(ProgressWindowLayout, PlacesLineAndBarScaledAndWideEnoughForTheCaption) {
  struct Case {
    int ppi;
    int screen_width;
    std::string caption;
    int client_width;
  } cases[] = {
      {96, 1024, "Tool", 392},              // 360 + 2 * 16
      {144, 1600, "Tool", 588},             // scaled by 1.5
      {192, 1024, "Tool", 576},             // 720 is wider than half the screen: 512 + 2 * 32
      {96, 1024, std::string(60, 'c'), 530},  // the caption, 8 * 60 + 2 * 25, is wider than 392
      {96, 400, "Tool", 232},               // a narrow screen: half of it + margins
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.ppi) + " " + c.caption);
    FakeMeasurer measurer;
    measurer.Ppi = c.ppi;
    measurer.Screen = {c.screen_width, 768};
    const TXProgressLayout layout = LayoutProgressWindow(c.caption, measurer);
    const int margin = ScaleDesign(16, c.ppi);
    EXPECT_EQ(layout.ClientWidth, c.client_width);
    EXPECT_EQ(layout.Label.Left, margin);
    EXPECT_EQ(layout.Label.Top, margin);
    EXPECT_EQ(layout.Label.Height, FakeMeasurer::kLineHeight);
    EXPECT_EQ(layout.Label.Right(), layout.ClientWidth - margin);
    EXPECT_EQ(layout.Bar.Left, layout.Label.Left);
    EXPECT_EQ(layout.Bar.Width, layout.Label.Width);
    EXPECT_GT(layout.Bar.Top, layout.Label.Bottom());
    EXPECT_EQ(layout.Bar.Height, ScaleDesign(16, c.ppi));
    EXPECT_EQ(layout.ClientHeight, layout.Bar.Bottom() + margin);
  }
}

// The window repaints only on a change; a position out of range is shown
// at its end, never as a bar past its frame.
TEST(ProgressState, KeepsThePositionInRangeAndTellsWhatChanged) {
  TXProgressState state;
  struct Step {
    int position;
    const char* text;
    bool changed;
    int shown;
  } steps[] = {
      {0, "", false, 0},       // what a new window shows already
      {2, "C:\\App", true, 2},
      {2, "C:\\App", false, 2},
      {2, "C:\\App\\a.txt", true, 2},
      {150, "C:\\App\\a.txt", true, 100},
      {120, "C:\\App\\a.txt", false, 100},
      {-5, "", true, 0},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(std::to_string(step.position) + " " + step.text);
    EXPECT_EQ(state.Update(step.position, step.text), step.changed);
    EXPECT_EQ(state.Position(), step.shown);
    EXPECT_EQ(state.Text(), step.text);
  }
}

}  // namespace
}  // namespace xs
