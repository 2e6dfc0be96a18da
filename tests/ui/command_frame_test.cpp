#include "ui/command_frame.h"

#include <gtest/gtest.h>

#include "fake_measurer.h"
#include "lang/keys.h"
#include "ui_language_fixture.h"

namespace xs {
namespace {

class CommandFrameTest : public UiLanguageTest {
 protected:
  FakeMeasurer measurer_;
};

struct FrameCase {
  TXButtonFrame kind;
  std::vector<int> tags;
  std::vector<std::string> texts;
  int cancel;
  std::vector<int> lefts;  // in a frame 300 wide, at 96 pixels per inch
  int width;
};

TEST_F(CommandFrameTest, EachFrameHasItsButtonsCancelButtonAndPlaces) {
  // English texts 7 pixels a character: "No thanks", "Exit Setup" and
  // "Overwrite" need more than 75 and widen their frames.
  const FrameCase cases[] = {
      {TXButtonFrame::TXCmdOK, {1}, {"OK"}, -1, {219}, 75},
      {TXButtonFrame::TXCmdOKCancel, {1, 2}, {"OK", "Cancel"}, 1, {138, 219}, 75},
      {TXButtonFrame::TXCmdYesNo, {6, 7}, {"Yes", "No"}, 1, {138, 219}, 75},
      {TXButtonFrame::TXCmdInstallNoThanks, {1, 2}, {"Install", "No thanks"}, 1, {119, 209}, 83},
      {TXButtonFrame::TXCmdResumeExitSetup, {1, 2}, {"Resume", "Exit Setup"}, -1, {105, 202}, 90},
      {TXButtonFrame::TXCmdRenameOverwriteCancel, {1, 4, 2}, {"Rename", "Overwrite", "Cancel"}, 2, {29, 119, 209}, 83},
  };
  for (const FrameCase& c : cases) {
    SCOPED_TRACE(c.texts.back());
    TXCommandFrame frame(c.kind, 96);
    frame.ApplyTexts(measurer_);
    ASSERT_EQ(frame.Buttons().size(), c.tags.size());
    EXPECT_EQ(frame.CancelIndex(), c.cancel);
    EXPECT_EQ(frame.Height(), 35);
    for (size_t i = 0; i < c.tags.size(); ++i) {
      EXPECT_EQ(frame.Buttons()[i].Tag, c.tags[i]);
      EXPECT_EQ(frame.Buttons()[i].Text, c.texts[i]);
      EXPECT_EQ(frame.ButtonRect(i, 300), (TXRect{c.lefts[i], 6, c.width, 23}));
    }
    EXPECT_EQ(frame.RowWidth(), 300 - c.lefts.front());
  }
}

TEST_F(CommandFrameTest, ScalesTheDesignPlacesToTheScreen) {
  // At 144 pixels per inch the buttons are 113 wide and 122 apart; "Exit
  // Setup" (70 + 30) fits, so they keep their design places.
  TXCommandFrame frame(TXButtonFrame::TXCmdResumeExitSetup, 144);
  frame.ApplyTexts(measurer_);
  EXPECT_EQ(frame.Height(), 53);
  EXPECT_EQ(frame.ButtonRect(0, 400), (TXRect{400 - 243, 9, 113, 35}));
  EXPECT_EQ(frame.ButtonRect(1, 400), (TXRect{400 - 122, 9, 113, 35}));
}

TEST_F(CommandFrameTest, ALongTextWidensAllButtonsAlike) {
  SetWord(kLgYesButton, "Yes, replace every file");  // 161 + 20
  TXCommandFrame frame(TXButtonFrame::TXCmdYesNo, 96);
  frame.ApplyTexts(measurer_);
  EXPECT_EQ(frame.ButtonRect(1, 500), (TXRect{500 - 8 - 181, 6, 181, 23}));
  EXPECT_EQ(frame.ButtonRect(0, 500), (TXRect{500 - 8 - 181 - 7 - 181, 6, 181, 23}));

  // Back to short texts: the buttons shrink to 75 by the same rule, not to
  // their design places.
  SetWord(kLgYesButton, "Yes");
  frame.ApplyTexts(measurer_);
  EXPECT_EQ(frame.Buttons()[0].Text, "Yes");
  EXPECT_EQ(frame.ButtonRect(0, 500).Width, 75);
  EXPECT_EQ(frame.ButtonRect(0, 500).Left, 500 - 8 - 75 - 7 - 75);
}

TEST_F(CommandFrameTest, TabOrderStartsAtTheDefaultButtonAndWrapsAround) {
  TXCommandFrame frame(TXButtonFrame::TXCmdRenameOverwriteCancel, 96);
  const std::pair<int, std::vector<int>> cases[] = {
      {0, {0, 1, 2}}, {1, {1, 2, 0}}, {2, {2, 0, 1}}, {-1, {0, 1, 2}}};
  for (const auto& [start, order] : cases) EXPECT_EQ(frame.TabOrder(start), order) << start;
  EXPECT_EQ(frame.IndexOfTag(4), 1);
  EXPECT_EQ(frame.IndexOfTag(6), -1);
}

class CountingFrame : public TXCommandFrame {
 public:
  using TXCommandFrame::TXCommandFrame;
  int tag_changes = 0;

 protected:
  void ButtonTagChanged() override { ++tag_changes; }
};

TEST_F(CommandFrameTest, MessagesShowEnableAndRetagTheButtonsOfATag) {
  CountingFrame frame(TXButtonFrame::TXCmdRenameOverwriteCancel, 96);
  frame.ApplyTexts(measurer_);
  EXPECT_TRUE(frame.HandleMessage(kFrameShowButtons, 4, 0));
  EXPECT_TRUE(frame.HandleMessage(kFrameEnableButtons, 2, 0));
  EXPECT_FALSE(frame.Buttons()[1].Visible);
  EXPECT_FALSE(frame.Buttons()[2].Enabled);
  EXPECT_TRUE(frame.Buttons()[0].Visible && frame.Buttons()[0].Enabled);
  EXPECT_TRUE(frame.HandleMessage(kFrameShowButtons, 4, 1));
  EXPECT_TRUE(frame.Buttons()[1].Visible);

  EXPECT_TRUE(frame.HandleMessage(kFrameRetagButtons, 4, 7));
  EXPECT_EQ(frame.tag_changes, 1);
  EXPECT_EQ(frame.IndexOfTag(7), 1);
  EXPECT_EQ(frame.ClickResult(1), 7);
  EXPECT_FALSE(frame.HandleMessage(kWmApp + 0x6F, 4, 7));

  // The texts come with their tags: a language change gives the design tags back.
  frame.ApplyTexts(measurer_);
  EXPECT_EQ(frame.Buttons()[1].Tag, 4);
}

TEST_F(CommandFrameTest, AClickGivesTheTagTheHostsAnswerOrNothing) {
  TXCommandFrame frame(TXButtonFrame::TXCmdYesNo, 96);
  EXPECT_EQ(frame.ClickResult(0), 6);
  frame.HandleMessage(kFrameRetagButtons, 7, -3);
  EXPECT_EQ(frame.ClickResult(1), 0) << "a negative result counts as none";
  frame.HandleMessage(kFrameRetagButtons, -3, 0);
  EXPECT_EQ(frame.ClickResult(1), 0);

  frame.HostResult = [](int tag) { return tag == 6 ? 1 : 0; };
  EXPECT_EQ(frame.ClickResult(0), 1);
  frame.HandleMessage(kFrameRetagButtons, 0, 7);
  EXPECT_EQ(frame.ClickResult(1), 7) << "the host answers 0: the tag stands";
}

TEST_F(CommandFrameTest, TheCheckBoxEnablesTheButtonsOfTheEnablingTag) {
  TXCommandFrame frame(TXButtonFrame::TXCmdOKCancel, 96);
  frame.EnablingChecked(false);
  EXPECT_TRUE(frame.Buttons()[0].Enabled) << "no enabling tag";
  frame.EnablingTag = 1;
  frame.EnablingChecked(false);
  EXPECT_FALSE(frame.Buttons()[0].Enabled);
  EXPECT_TRUE(frame.Buttons()[1].Enabled);
  frame.EnablingChecked(true);
  EXPECT_TRUE(frame.Buttons()[0].Enabled);
}

}  // namespace
}  // namespace xs
