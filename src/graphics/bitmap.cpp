#include "graphics/bitmap.h"

namespace xs {

void TXBitmap::Draw(TXBitmap& target, const TRect& rect) const {
  StretchEach(Width(), Height(), target.Width(), target.Height(), rect,
              [&](int x, int y, int sx, int sy) { target.Pixels.At(x, y) = Pixels.At(sx, sy); });
}

}  // namespace xs
