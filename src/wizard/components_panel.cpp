#include "wizard/components_panel.h"

namespace xs {

namespace {
// Design pixels.
constexpr int kTop = 4;
constexpr int kEmptyHeight = 8;
constexpr int kTitleLeft = 4;
constexpr int kTitleStep = 24;
constexpr int kBoxLeft = 8;
constexpr int kBoxSize = 13;  // the system's check box
constexpr int kLabelGap = 4;
constexpr int kRightMargin = 8;
constexpr int kItemGap = 8;
}  // namespace

TXComponentsPanel::TXComponentsPanel(int width, const TXTextMeasurer& measurer)
    : width_(width), measurer_(measurer) {
  Clear();
}

int TXComponentsPanel::Scaled(int design) const { return ScaleDesign(design, measurer_.PixelsPerInch()); }

void TXComponentsPanel::Clear() {
  entries_.clear();
  items_.clear();
  top_ = Scaled(kTop);
  height_ = Scaled(kEmptyHeight);
}

void TXComponentsPanel::AddTitle(const std::string& text) {
  TXPanelEntry title;
  title.Kind = TXPanelEntryKind::Title;
  title.Text = text;
  const int height = measurer_.WrappedTextSize(text, width_).Height;
  title.Label = {Scaled(kTitleLeft), top_, measurer_.TextWidth(text), height};
  entries_.push_back(std::move(title));
  top_ += Scaled(kTitleStep);
  height_ = Scaled(kTop) + top_;
}

void TXComponentsPanel::AddCheck(const std::string& text, bool checked, const TObject* object) {
  AddItem(TXPanelEntryKind::Check, text, checked, object);
}

void TXComponentsPanel::AddRequired(const std::string& text, const TObject* object) {
  AddItem(TXPanelEntryKind::Required, text, true, object);
}

void TXComponentsPanel::AddItem(TXPanelEntryKind kind, const std::string& text, bool checked,
                                const TObject* object) {
  TXPanelEntry item{kind, text, checked, object, {}, {}};
  const int box = Scaled(kBoxSize);
  item.Box = {Scaled(kBoxLeft), top_, box, box};
  const int left = item.Box.Right() + Scaled(kLabelGap);
  const int width = width_ - Scaled(kRightMargin) - left;
  const int height = measurer_.WrappedTextSize(text, width).Height;
  // A label lower than the box sits on its middle line.
  const int shift = height < box ? (box - height) / 2 : 0;
  item.Label = {left, top_ + shift, width, height};
  items_.push_back(entries_.size());
  entries_.push_back(std::move(item));
  top_ += Scaled(kItemGap) + height;
  height_ = Scaled(kTop) + top_;
}

bool TXComponentsPanel::Checked(int index) const { return index >= 0 && index < Count() && Item(index).Checked; }

void TXComponentsPanel::Click(int index) {
  if (index < 0 || index >= Count()) return;
  TXPanelEntry& item = entries_[items_[index]];
  item.Checked = item.Kind == TXPanelEntryKind::Required || !item.Checked;
}

}  // namespace xs
