// What can be drawn (TXGraphic), where (TXCanvas), and the plain stretch
// that draws it.
#pragma once

#include <algorithm>

#include "base/persistent.h"

namespace xs {

class TXBitmap;

struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool operator==(const TRect&) const = default;
};

class TXGraphic : public TObject {
 public:
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // Draws the whole graphic stretched to rect of target, the part of rect
  // inside target only. How it combines with target's pixels is the
  // class's own (a picture with alpha blends, a bitmap replaces).
  virtual void Draw(TXBitmap& target, const TRect& rect) const = 0;
};

// A surface to draw graphics on: a bitmap here, a window's device context
// in the Windows views.
class TXCanvas {
 public:
  virtual ~TXCanvas() = default;
  // graphic stretched to rect.
  virtual void StretchDraw(const TRect& rect, const TXGraphic& graphic) = 0;
  // graphic at its own size with its top-left corner at (x, y).
  virtual void Draw(int x, int y, const TXGraphic& graphic) {
    StretchDraw(TRect{x, y, x + graphic.Width(), y + graphic.Height()}, graphic);
  }
};

// The nearest-neighbour stretch of a source_width x source_height image to
// rect of a target_width x target_height one: calls put(target x, target y,
// source x, source y) for each target pixel inside both rect and the target.
template <class Put>
void StretchEach(int source_width, int source_height, int target_width, int target_height, const TRect& rect,
                 Put put) {
  if (source_width <= 0 || source_height <= 0 || rect.Width() <= 0 || rect.Height() <= 0) return;
  for (int y = std::max(rect.Top, 0); y < std::min(rect.Bottom, target_height); ++y) {
    int sy = static_cast<int>(static_cast<long long>(y - rect.Top) * source_height / rect.Height());
    for (int x = std::max(rect.Left, 0); x < std::min(rect.Right, target_width); ++x)
      put(x, y, static_cast<int>(static_cast<long long>(x - rect.Left) * source_width / rect.Width()), sy);
  }
}

}  // namespace xs
