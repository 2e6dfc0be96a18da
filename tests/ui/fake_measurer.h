// Fixed font and screen measures: every character of the message font is
// 7 pixels wide and a line 13 high, caption characters are 8 wide; words
// wrap at spaces.
#pragma once

#include <string>

#include "ui/text_measurer.h"

namespace xs {

class FakeMeasurer : public TXTextMeasurer {
 public:
  static constexpr int kCharWidth = 7;
  static constexpr int kLineHeight = 13;
  static constexpr int kCaptionCharWidth = 8;

  int Ppi = 96;
  TXSize Screen{1024, 768};
  int TitleButton = 25;

  int TextWidth(const std::string& text) const override { return kCharWidth * static_cast<int>(text.size()); }
  int CaptionWidth(const std::string& text) const override {
    return kCaptionCharWidth * static_cast<int>(text.size());
  }
  TXSize WrappedTextSize(const std::string& text, int max_width) const override;
  int TitleButtonWidth() const override { return TitleButton; }
  TXSize ScreenSize() const override { return Screen; }
  int PixelsPerInch() const override { return Ppi; }
};

}  // namespace xs
