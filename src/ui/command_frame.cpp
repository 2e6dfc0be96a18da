#include "ui/command_frame.h"

#include <algorithm>

#include "lang/keys.h"
#include "lang/language.h"

namespace xs {

namespace {

struct FrameButtonSpec {
  int tag;
  const char* key;
};

struct FrameSpec {
  std::vector<FrameButtonSpec> buttons;
  int cancel;
};

FrameSpec SpecOf(TXButtonFrame kind) {
  switch (kind) {
    case TXButtonFrame::TXCmdOK:
      return {{{mrOK, kLgOkButton}}, -1};
    case TXButtonFrame::TXCmdOKCancel:
      return {{{mrOK, kLgOkButton}, {mrCancel, kLgCancelButton}}, 1};
    case TXButtonFrame::TXCmdYesNo:
      return {{{mrYes, kLgYesButton}, {mrNo, kLgNoButton}}, 1};
    case TXButtonFrame::TXCmdInstallNoThanks:
      return {{{mrOK, kLgInstallButton}, {mrCancel, kLgNoThanksButton}}, 1};
    case TXButtonFrame::TXCmdResumeExitSetup:
      return {{{mrOK, kLgResumeButton}, {mrCancel, kLgExitSetupButton}}, -1};
    case TXButtonFrame::TXCmdRenameOverwriteCancel:
      return {{{mrOK, kLgRenameButton}, {mrOverwrite, kLgOverwriteButton}, {mrCancel, kLgCancelButton}}, 2};
  }
  return {{}, -1};
}

// Design metrics of the row.
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonTop = 6;
constexpr int kDesignPitch = 81;  // where the buttons are made: 6 apart, 6 from the edge
constexpr int kEdgeMargin = 8;    // where the widened buttons go
constexpr int kButtonGap = 7;
constexpr int kTextPadding = 20;

}  // namespace

TXCommandFrame::TXCommandFrame(TXButtonFrame kind, int ppi) : ppi_(ppi) {
  FrameSpec spec = SpecOf(kind);
  cancel_index_ = spec.cancel;
  const int count = static_cast<int>(spec.buttons.size());
  for (int i = 0; i < count; ++i) {
    TXFrameButton button;
    button.Tag = spec.buttons[i].tag;
    button.TextKey = spec.buttons[i].key;
    button.Width = ScaleDesign(kButtonWidth, ppi);
    button.RightOffset = ScaleDesign(kDesignPitch * (count - i), ppi);
    buttons_.push_back(button);
    design_tags_.push_back(button.Tag);
  }
}

int TXCommandFrame::IndexOfTag(int tag) const {
  for (size_t i = 0; i < buttons_.size(); ++i)
    if (buttons_[i].Tag == tag) return static_cast<int>(i);
  return -1;
}

void TXCommandFrame::ApplyTexts(const TXTextMeasurer& measurer) {
  int width = ScaleDesign(kButtonWidth, ppi_);
  for (size_t i = 0; i < buttons_.size(); ++i) {
    TXFrameButton& button = buttons_[i];
    button.Text = ActiveLg().Translate(button.TextKey);
    button.Tag = design_tags_[i];
    width = std::max(width, measurer.TextWidth(button.Text) + ScaleDesign(kTextPadding, ppi_));
  }
  if (buttons_.empty() || buttons_.front().Width == width) return;
  int offset = ScaleDesign(kEdgeMargin, ppi_) - ScaleDesign(kButtonGap, ppi_);
  for (auto button = buttons_.rbegin(); button != buttons_.rend(); ++button) {
    offset += ScaleDesign(kButtonGap, ppi_) + width;
    button->Width = width;
    button->RightOffset = offset;
  }
}

TXRect TXCommandFrame::ButtonRect(size_t index, int frame_width) const {
  const TXFrameButton& button = buttons_.at(index);
  return {frame_width - button.RightOffset, ScaleDesign(kButtonTop, ppi_), button.Width,
          ScaleDesign(kButtonHeight, ppi_)};
}

int TXCommandFrame::RowWidth() const {
  int width = 0;
  for (const TXFrameButton& button : buttons_) width = std::max(width, button.RightOffset);
  return width;
}

std::vector<int> TXCommandFrame::TabOrder(int start) const {
  const int count = static_cast<int>(buttons_.size());
  if (start < 0 || start >= count) start = 0;
  std::vector<int> order;
  for (int i = 0; i < count; ++i) order.push_back((start + i) % count);
  return order;
}

void TXCommandFrame::EnablingChecked(bool checked) {
  if (EnablingTag == -1) return;
  for (TXFrameButton& button : buttons_)
    if (button.Tag == EnablingTag) button.Enabled = checked;
}

bool TXCommandFrame::HandleMessage(uint32_t message, uintptr_t wparam, intptr_t lparam) {
  const int tag = static_cast<int>(static_cast<intptr_t>(wparam));
  if (message != kFrameShowButtons && message != kFrameEnableButtons && message != kFrameRetagButtons) return false;
  for (TXFrameButton& button : buttons_) {
    if (button.Tag != tag) continue;
    if (message == kFrameShowButtons) button.Visible = lparam != 0;
    else if (message == kFrameEnableButtons) button.Enabled = lparam != 0;
    else button.Tag = static_cast<int>(lparam);
  }
  if (message == kFrameRetagButtons) ButtonTagChanged();
  return true;
}

int TXCommandFrame::ClickResult(size_t index) const {
  int result = buttons_.at(index).Tag;
  if (HostResult) {
    const int answer = HostResult(result);
    if (answer != 0) result = answer;
  }
  return std::max(result, 0);
}

}  // namespace xs
