// What a layout needs to know of fonts and the screen. The windows measure
// with the system's fonts; tests give fixed figures.
#pragma once

#include <string>

#include "ui/geometry.h"

namespace xs {

class TXTextMeasurer {
 public:
  virtual ~TXTextMeasurer() = default;
  // Width of text as one line in the message font.
  virtual int TextWidth(const std::string& text) const = 0;
  // Width of text as one line in the font of window captions.
  virtual int CaptionWidth(const std::string& text) const = 0;
  // The box that text takes in the message font when word-wrapped within
  // max_width: the width of its widest line (at most max_width, unless a
  // single word is wider) and the height of all its lines. An empty text
  // is one line high.
  virtual TXSize WrappedTextSize(const std::string& text, int max_width) const = 0;
  // Width of one button of a window's title bar.
  virtual int TitleButtonWidth() const = 0;
  // The screen (the work area of the monitor the window goes on).
  virtual TXSize ScreenSize() const = 0;
  virtual int PixelsPerInch() const = 0;
};

}  // namespace xs
