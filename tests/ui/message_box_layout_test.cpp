#include "ui/message_box_layout.h"

#include <gtest/gtest.h>

#include "fake_measurer.h"
#include "ui/application.h"
#include "ui_language_fixture.h"

namespace xs {
namespace {

class MessageBoxLayoutTest : public UiLanguageTest {
 protected:
  TXMessageBoxLayout Layout(const TXMessageBoxInput& input, TXButtonFrame kind) {
    TXCommandFrame frame(kind, measurer_.Ppi);
    frame.ApplyTexts(measurer_);
    return LayoutMessageBox(input, frame, measurer_);
  }
  FakeMeasurer measurer_;
};

std::string Words(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += i ? " abcd" : "abcd";
  return text;
}

struct LayoutCase {
  const char* name;
  int ppi;
  TXMessageBoxInput input;
  TXButtonFrame kind;
  TXSize client;
  TXRect icon;
  TXRect label;
  TXRect check;
  TXRect first_button;
};

TEST_F(MessageBoxLayoutTest, PlacesIconTextCheckBoxAndButtons) {
  // The fake font: 7 pixels a character, lines 13 high; captions 8 a
  // character, title-bar buttons 25. "Hello world" is 77 × 13. Forty words
  // wrap within half the 1024-pixel screen into 3 lines of 483.
  const LayoutCase cases[] = {
      // The buttons' row (162) sets the width; the short label is centred on the icon.
      {"icon", 96, {.Text = "Hello world", .Caption = "Question", .Icon = 32514}, TXButtonFrame::TXCmdYesNo,
       {194, 101}, {16, 16, 32, 32}, {64, 25, 77, 13}, {}, {32, 72, 75, 23}},
      // No icon: the wrapped text sets the width.
      {"wrapped", 96, {.Text = Words(40), .Caption = "Note"}, TXButtonFrame::TXCmdOK,
       {515, 108}, {}, {16, 16, 483, 39}, {}, {434, 79, 75, 23}},
      // A label higher than the icon stays at the top margin.
      {"tall", 96, {.Text = Words(40), .Caption = "Note", .Icon = 32516}, TXButtonFrame::TXCmdOK,
       {563, 108}, {16, 16, 32, 32}, {64, 16, 483, 39}, {}, {482, 79, 75, 23}},
      // The caption and its title-bar buttons need 530.
      {"caption", 96, {.Text = "Hello world", .Caption = std::string(60, 'c')}, TXButtonFrame::TXCmdOK,
       {530, 82}, {}, {16, 16, 77, 13}, {}, {449, 53, 75, 23}},
      // The check text wraps into 2 lines within 178 - 20.
      {"check", 96, {.Text = "Hello world", .Caption = "Q", .HasCheck = true, .CheckText = "Do not show this message again"}, TXButtonFrame::TXCmdOKCancel,
       {194, 120}, {}, {16, 16, 77, 13}, {8, 45, 178, 30}, {32, 91, 75, 23}},
      // Right to left: icon, label and check box mirrored, buttons not.
      {"mirrored", 96, {.Text = "Hello world", .Caption = "Question", .Icon = 32514, .HasCheck = true, .CheckText = "Hello", .RightToLeft = true}, TXButtonFrame::TXCmdYesNo,
       {194, 129}, {146, 16, 32, 32}, {53, 25, 77, 13}, {8, 64, 178, 20}, {32, 100, 75, 23}},
      // At 144 pixels per inch every design value is half as large again.
      {"scaled", 144, {.Text = "Hello world", .Caption = "Question", .Icon = 32514}, TXButtonFrame::TXCmdYesNo,
       {291, 151}, {24, 24, 48, 48}, {96, 41, 77, 13}, {}, {48, 107, 113, 35}},
  };
  for (const LayoutCase& c : cases) {
    SCOPED_TRACE(c.name);
    measurer_.Ppi = c.ppi;
    const TXMessageBoxLayout layout = Layout(c.input, c.kind);
    EXPECT_EQ((TXSize{layout.ClientWidth, layout.ClientHeight}), c.client);
    EXPECT_EQ(layout.HasIcon, c.input.Icon != 0);
    EXPECT_EQ(layout.Icon, c.icon);
    EXPECT_EQ(layout.Label, c.label);
    EXPECT_EQ(layout.Check, c.check);
    ASSERT_FALSE(layout.Buttons.empty());
    EXPECT_EQ(layout.Buttons.front(), c.first_button);
    // The panel and the frame close the client area at the bottom; the
    // buttons stand inside them, clear of the text and the check box.
    EXPECT_EQ(layout.Panel.Bottom(), layout.ClientHeight);
    EXPECT_EQ(layout.Panel.Height, layout.Frame.Height + 2);
    EXPECT_EQ(layout.Frame.Bottom(), layout.ClientHeight);
    for (const TXRect& button : layout.Buttons) {
      EXPECT_GE(button.Left, 0);
      EXPECT_LE(button.Right(), layout.ClientWidth);
      EXPECT_GE(button.Top, layout.Panel.Top + 2);
    }
    EXPECT_LE(std::max(layout.Label.Bottom(), layout.Check.Bottom()), layout.Panel.Top);
    EXPECT_LE(layout.Label.Right(), layout.ClientWidth);
  }
}

TEST_F(MessageBoxLayoutTest, TheDefaultButtonLeadsTheTabOrder) {
  const std::tuple<TXButtonFrame, int, int, std::vector<int>> cases[] = {
      {TXButtonFrame::TXCmdYesNo, mrNo, 1, {1, 0}},
      {TXButtonFrame::TXCmdYesNo, mrYes, 0, {0, 1}},
      {TXButtonFrame::TXCmdRenameOverwriteCancel, mrOverwrite, 1, {1, 2, 0}},
      {TXButtonFrame::TXCmdRenameOverwriteCancel, mrCancel, 2, {2, 0, 1}},
      {TXButtonFrame::TXCmdOKCancel, mrNo, -1, {0, 1}},  // no button gives it: none is the default
  };
  for (const auto& [kind, result, button, order] : cases) {
    const TXMessageBoxLayout layout = Layout({.Text = "Text", .Caption = "Caption", .DefaultResult = result}, kind);
    EXPECT_EQ(layout.DefaultButton, button) << result;
    EXPECT_EQ(layout.TabOrder, order) << result;
  }
}

TEST_F(MessageBoxLayoutTest, TheInputBoxPutsAnEditLineUnderThePrompt) {
  TXCommandFrame frame(TXButtonFrame::TXCmdOKCancel, 96);
  frame.ApplyTexts(measurer_);
  // The edit line is at least 300 wide and a line plus 8 high.
  TXMessageBoxLayout layout = LayoutInputBox("Rename", "New name:", frame, measurer_);
  EXPECT_EQ((TXSize{layout.ClientWidth, layout.ClientHeight}), (TXSize{332, 107}));
  EXPECT_EQ(layout.Label, (TXRect{16, 16, 63, 13}));
  EXPECT_EQ(layout.Edit, (TXRect{16, 33, 300, 21}));
  EXPECT_EQ(layout.Buttons[0], (TXRect{170, 78, 75, 23}));
  EXPECT_EQ(layout.DefaultButton, 0);
  EXPECT_EQ(layout.TabOrder, (std::vector<int>{0, 1}));

  // A long prompt wraps within half the screen and widens the box.
  layout = LayoutInputBox("Rename", Words(40), frame, measurer_);
  EXPECT_EQ(layout.ClientWidth, 515);
  EXPECT_EQ(layout.Edit, (TXRect{16, 59, 483, 21}));
  EXPECT_EQ(layout.Panel.Top, layout.Edit.Bottom() + 16);
}

TEST_F(MessageBoxLayoutTest, EmptyCaptionAndCheckTextFallBack) {
  const std::string title = Application().Title;
  Application().Title = "Setup";
  EXPECT_EQ(MessageBoxCaption(""), "Setup");
  EXPECT_EQ(MessageBoxCaption("Warning"), "Warning");
  Application().Title = title;
  EXPECT_EQ(MessageBoxCheckText(""), "Do not show this message again");
  EXPECT_EQ(MessageBoxCheckText("Remember"), "Remember");
}

}  // namespace
}  // namespace xs
