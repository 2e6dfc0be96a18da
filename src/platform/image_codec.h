// Decoding PNG and JPEG images held in memory. Windows decodes with the
// system's imaging component; elsewhere libpng and libjpeg do.
//
// The bytes come from packages and are hostile: a decoder never reads past
// them, refuses images wider or taller than kMaxImageSide before it sets
// aside any pixels, and reports every fault as a failure.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace xs {

enum class TXImageFormat { Png, Jpeg };

// The largest width or height a decoder accepts.
inline constexpr int kMaxImageSide = 4096;
// The most bytes a decoder reads: an encoded image of the largest side
// rarely needs more.
inline constexpr size_t kMaxImageBytes = 64u << 20;

// A decoded image: Width * Height pixels of four bytes each, blue, green,
// red, alpha, with straight (not premultiplied) alpha; rows run from the
// top, Width * 4 bytes apart. A JPEG's alpha is 255 throughout.
struct TXDecodedImage {
  int Width = 0;
  int Height = 0;
  std::vector<uint8_t> Pixels;
};

// Decodes bytes in the given format into image. On success returns true.
// On failure (damaged or truncated data, a side of 0 or above
// kMaxImageSide, more than kMaxImageBytes, no decoder on this system)
// returns false with image empty and the error number set: the system's
// own where it gives one, else kErrInvalidData.
bool DecodeImage(TXImageFormat format, std::string_view bytes, TXDecodedImage& image);

}  // namespace xs
