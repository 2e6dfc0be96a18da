// Sizes and rectangles in screen pixels, and the design pixels that layouts
// are written in.
#pragma once

namespace xs {

struct TXSize {
  int Width = 0;
  int Height = 0;
  bool operator==(const TXSize&) const = default;
};

struct TXRect {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  int Right() const { return Left + Width; }
  int Bottom() const { return Top + Height; }
  bool operator==(const TXRect&) const = default;
};

// Layouts are designed at 96 pixels per inch; a screen with more gets every
// design value scaled up, rounded to the nearest pixel.
inline constexpr int kDesignPpi = 96;
constexpr int ScaleDesign(int value, int ppi) { return (value * ppi + kDesignPpi / 2) / kDesignPpi; }

}  // namespace xs
