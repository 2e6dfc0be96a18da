#include "ui/message_box_layout.h"

#include <algorithm>

#include "lang/keys.h"
#include "lang/language.h"
#include "ui/application.h"

namespace xs {

namespace {
constexpr int kMargin = 16;
constexpr int kIconSize = 32;  // scaled too: the image lists hold larger sizes
constexpr int kNarrowMargin = 8;
constexpr int kCheckIndent = 20;  // the box before the check text
constexpr int kCheckLine = 16;    // the least height of the check text
constexpr int kPadding = 4;
constexpr int kEditWidth = 300;   // the least: four buttons wide
constexpr int kBevel = 2;         // pixels, not scaled

void Mirror(TXRect& rect, int width) { rect.Left = width - rect.Left - rect.Width; }

int PanelHeight(const TXCommandFrame& frame) {
  // The frame's height is the buttons' with their margins above and below.
  return frame.Height() + kBevel;
}

// The panel and the frame along the bottom of the client area.
void PlaceFrame(const TXCommandFrame& frame, int default_result, TXMessageBoxLayout& layout) {
  const int panel_height = PanelHeight(frame);
  layout.Panel = {0, layout.ClientHeight - panel_height, layout.ClientWidth, panel_height};
  layout.Frame = {0, layout.ClientHeight - frame.Height(), layout.ClientWidth, frame.Height()};
  for (size_t i = 0; i < frame.Buttons().size(); ++i) {
    TXRect button = frame.ButtonRect(i, layout.ClientWidth);
    button.Top += layout.Frame.Top;
    layout.Buttons.push_back(button);
  }
  layout.DefaultButton = frame.IndexOfTag(default_result);
  layout.TabOrder = frame.TabOrder(layout.DefaultButton);
}
}  // namespace

int CaptionMinimum(const std::string& caption, const TXTextMeasurer& measurer) {
  return measurer.CaptionWidth(caption) + 2 * measurer.TitleButtonWidth();
}

std::string MessageBoxCaption(const std::string& caption) { return caption.empty() ? Application().Title : caption; }

std::string MessageBoxCheckText(const std::string& text) {
  return text.empty() ? ActiveLg().Translate(kLgDontShowAgain) : text;
}

TXMessageBoxLayout LayoutMessageBox(const TXMessageBoxInput& input, const TXCommandFrame& frame,
                                    const TXTextMeasurer& measurer) {
  const int ppi = measurer.PixelsPerInch();
  auto s = [ppi](int value) { return ScaleDesign(value, ppi); };
  TXMessageBoxLayout layout;

  const int caption_min = CaptionMinimum(input.Caption, measurer);
  const int panel_height = PanelHeight(frame);

  const TXSize text = measurer.WrappedTextSize(input.Text, measurer.ScreenSize().Width / 2);
  TXSize area = text;
  layout.HasIcon = input.Icon != 0;
  const int icon = s(kIconSize);
  if (layout.HasIcon) {
    area.Width += icon + s(kMargin);
    area.Height = std::max(area.Height, icon);
    layout.Icon = {s(kMargin), s(kMargin), icon, icon};
  }
  layout.ClientWidth = std::max(caption_min, std::max(area.Width, frame.RowWidth()) + 2 * s(kMargin));

  int check_height = 0;
  if (input.HasCheck) {
    const int width = layout.ClientWidth - 2 * s(kNarrowMargin);
    const int text_height = measurer.WrappedTextSize(input.CheckText, width - s(kCheckIndent)).Height;
    check_height = std::max(s(kCheckLine), text_height) + s(kPadding);
    layout.Check = {s(kNarrowMargin), 2 * s(kMargin) + area.Height, width, check_height};
  }

  layout.ClientHeight = panel_height + area.Height + 2 * s(kMargin) + (input.HasCheck ? check_height + s(kNarrowMargin) : 0);
  PlaceFrame(frame, input.DefaultResult, layout);

  layout.Label = {layout.HasIcon ? icon + 2 * s(kMargin) : s(kMargin), s(kMargin), text.Width, text.Height};
  if (layout.HasIcon && text.Height < icon) layout.Label.Top += (icon - text.Height) / 2;

  if (input.RightToLeft) {
    Mirror(layout.Label, layout.ClientWidth);
    Mirror(layout.Icon, layout.ClientWidth);
    Mirror(layout.Check, layout.ClientWidth);
  }
  return layout;
}

TXMessageBoxLayout LayoutInputBox(const std::string& caption, const std::string& prompt,
                                  const TXCommandFrame& frame, const TXTextMeasurer& measurer) {
  const int ppi = measurer.PixelsPerInch();
  auto s = [ppi](int value) { return ScaleDesign(value, ppi); };
  TXMessageBoxLayout layout;
  const TXSize text = measurer.WrappedTextSize(prompt, measurer.ScreenSize().Width / 2);
  const int edit_height = measurer.WrappedTextSize("", 0).Height + s(kNarrowMargin);
  const int content = std::max({text.Width, s(kEditWidth), frame.RowWidth()});
  layout.ClientWidth = std::max(CaptionMinimum(caption, measurer), content + 2 * s(kMargin));
  layout.Label = {s(kMargin), s(kMargin), text.Width, text.Height};
  layout.Edit = {s(kMargin), layout.Label.Bottom() + s(kPadding), layout.ClientWidth - 2 * s(kMargin),
                 edit_height};
  layout.ClientHeight = layout.Edit.Bottom() + s(kMargin) + PanelHeight(frame);
  PlaceFrame(frame, mrOK, layout);
  return layout;
}

}  // namespace xs
