// A picture: a colour plane and, when it has one, an alpha plane of the
// same size. Alpha is straight (colour not multiplied by it).
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "graphics/data_map.h"
#include "graphics/graphic.h"
#include "platform/image_codec.h"

namespace xs {

class TXPicture : public TXGraphic {
 public:
  TXRGBTripleDataMap Colour;
  // Empty when the picture has no alpha channel.
  TXByteDataMap Alpha;

  int Width() const override { return Colour.Width(); }
  int Height() const override { return Colour.Height(); }
  bool HasAlpha() const { return has_alpha_; }
  // Sizes both planes, the alpha plane only with_alpha; all zero after a
  // change.
  void SetSize(int width, int height, bool with_alpha);
  // Without alpha: replaces target's colour. With alpha: blends over it
  // (target's fourth byte is kept).
  void Draw(TXBitmap& target, const TRect& rect) const override;

  // The pixels as blue, green, red, alpha (255 without an alpha channel),
  // rows from the top, Width * 4 bytes apart.
  std::vector<uint8_t> Bgra() const;
  // Takes a decoded image's pixels, with an alpha channel.
  void Assign(const TXDecodedImage& image);

 private:
  bool has_alpha_ = false;
};

// Decodes bytes of format into picture. On failure returns false with the
// error number of DecodeImage and picture empty.
bool LoadPicture(TXImageFormat format, std::string_view bytes, TXPicture& picture);

}  // namespace xs
