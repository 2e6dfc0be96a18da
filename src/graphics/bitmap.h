// A 32-bit bitmap: blue, green, red and a fourth byte per pixel, rows from
// the top.
#pragma once

#include "graphics/data_map.h"
#include "graphics/graphic.h"

namespace xs {

class TXBitmap : public TXGraphic {
 public:
  TXRGBQuadDataMap Pixels;

  int Width() const override { return Pixels.Width(); }
  int Height() const override { return Pixels.Height(); }
  // All pixels 0 after a change of size.
  void SetSize(int width, int height) { Pixels.SetSize(width, height); }
  // Replaces target's pixels, all four bytes.
  void Draw(TXBitmap& target, const TRect& rect) const override;
};

// A canvas that draws onto a bitmap.
class TXBitmapCanvas : public TXCanvas {
 public:
  explicit TXBitmapCanvas(TXBitmap& bitmap) : bitmap_(bitmap) {}
  void StretchDraw(const TRect& rect, const TXGraphic& graphic) override { graphic.Draw(bitmap_, rect); }

 private:
  TXBitmap& bitmap_;  // borrowed
};

}  // namespace xs
