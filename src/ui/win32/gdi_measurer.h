// Measures with the system's message and caption fonts on the screen of
// the window that is active now.
#pragma once

#include <windows.h>

#include "ui/text_measurer.h"

namespace xs {

class TXGdiMeasurer : public TXTextMeasurer {
 public:
  TXGdiMeasurer();
  ~TXGdiMeasurer() override;
  TXGdiMeasurer(const TXGdiMeasurer&) = delete;
  TXGdiMeasurer& operator=(const TXGdiMeasurer&) = delete;

  int TextWidth(const std::string& text) const override;
  int CaptionWidth(const std::string& text) const override;
  TXSize WrappedTextSize(const std::string& text, int max_width) const override;
  int TitleButtonWidth() const override;
  TXSize ScreenSize() const override;
  int PixelsPerInch() const override { return ppi_; }

  // The font the controls of a box show their texts in; owned here.
  HFONT MessageFont() const { return message_font_; }
  // The work area that boxes are centred in.
  const RECT& WorkArea() const { return work_area_; }

 private:
  int LineWidth(HFONT font, const std::string& text) const;

  HDC dc_;
  HFONT message_font_;
  HFONT caption_font_;
  RECT work_area_;
  int ppi_;
};

}  // namespace xs
