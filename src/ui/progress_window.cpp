#include "ui/progress_window.h"

#include <algorithm>

#include "ui/message_box_layout.h"

namespace xs {

namespace {
constexpr int kMargin = 16;
constexpr int kPadding = 8;
constexpr int kBarHeight = 16;
constexpr int kLineWidth = 360;  // room for a path of some length

TXProgressWindowFunc& ProgressWindowFunc() {
  static TXProgressWindowFunc func;
  return func;
}
}  // namespace

TXProgressLayout LayoutProgressWindow(const std::string& caption, const TXTextMeasurer& measurer) {
  const int ppi = measurer.PixelsPerInch();
  auto s = [ppi](int value) { return ScaleDesign(value, ppi); };
  TXProgressLayout layout;
  const int line = std::min(s(kLineWidth), measurer.ScreenSize().Width / 2);
  layout.ClientWidth = std::max(CaptionMinimum(caption, measurer), line + 2 * s(kMargin));
  const int width = layout.ClientWidth - 2 * s(kMargin);
  layout.Label = {s(kMargin), s(kMargin), width, measurer.WrappedTextSize("", 0).Height};
  layout.Bar = {s(kMargin), layout.Label.Bottom() + s(kPadding), width, s(kBarHeight)};
  layout.ClientHeight = layout.Bar.Bottom() + s(kMargin);
  return layout;
}

bool TXProgressState::Update(int position, const std::string& text) {
  position = std::clamp(position, 0, 100);
  if (position == position_ && text == text_) return false;
  position_ = position;
  text_ = text;
  return true;
}

std::unique_ptr<TXProgressView> ShowProgressWindow(const std::string& caption) {
  return ProgressWindowFunc() ? ProgressWindowFunc()(caption) : nullptr;
}

void SetProgressWindowFunc(TXProgressWindowFunc func) { ProgressWindowFunc() = std::move(func); }

}  // namespace xs
