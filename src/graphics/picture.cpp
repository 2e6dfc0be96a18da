#include "graphics/picture.h"

#include "graphics/bitmap.h"

namespace xs {

void TXPicture::SetSize(int width, int height, bool with_alpha) {
  has_alpha_ = with_alpha;
  Colour.SetSize(width, height);
  if (with_alpha)
    Alpha.SetSize(width, height);
  else
    Alpha.Clear();
}

void TXPicture::Draw(TXBitmap& target, const TRect& rect) const {
  StretchEach(Width(), Height(), target.Width(), target.Height(), rect, [&](int x, int y, int sx, int sy) {
    const TRGBTriple& c = Colour.At(sx, sy);
    TRGBQuad& t = target.Pixels.At(x, y);
    if (!has_alpha_) {
      t = {c.Blue, c.Green, c.Red, t.Reserved};
      return;
    }
    const int a = Alpha.At(sx, sy);
    auto blend = [a](int over, int under) { return static_cast<uint8_t>((over * a + under * (255 - a) + 127) / 255); };
    t = {blend(c.Blue, t.Blue), blend(c.Green, t.Green), blend(c.Red, t.Red), t.Reserved};
  });
}

std::vector<uint8_t> TXPicture::Bgra() const {
  std::vector<uint8_t> out;
  out.reserve(static_cast<size_t>(Width()) * Height() * 4);
  for (int y = 0; y < Height(); ++y)
    for (int x = 0; x < Width(); ++x) {
      const TRGBTriple& c = Colour.At(x, y);
      out.insert(out.end(), {c.Blue, c.Green, c.Red, has_alpha_ ? Alpha.At(x, y) : uint8_t{255}});
    }
  return out;
}

void TXPicture::Assign(const TXDecodedImage& image) {
  SetSize(image.Width, image.Height, true);
  const uint8_t* p = image.Pixels.data();
  for (int y = 0; y < image.Height; ++y)
    for (int x = 0; x < image.Width; ++x, p += 4) {
      Colour.At(x, y) = {p[0], p[1], p[2]};
      Alpha.At(x, y) = p[3];
    }
}

bool LoadPicture(TXImageFormat format, std::string_view bytes, TXPicture& picture) {
  TXDecodedImage image;
  bool ok = DecodeImage(format, bytes, image);
  picture.Assign(image);  // empty on failure
  return ok;
}

}  // namespace xs
