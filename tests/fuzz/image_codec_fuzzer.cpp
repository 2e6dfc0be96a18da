// Feeds arbitrary bytes to the image decoders, then resamples what decodes.
// The first byte picks the format (even: PNG, odd: JPEG). A decoder must
// answer or decline, never crash, hang or set aside more than the largest
// image allows; a decoded image is within the bounds and as large as its
// pixels say.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "graphics/picture.h"
#include "graphics/resample.h"
#include "platform/image_codec.h"

using namespace xs;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  TXImageFormat format = data[0] % 2 == 0 ? TXImageFormat::Png : TXImageFormat::Jpeg;
  std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  TXPicture picture;
  if (!LoadPicture(format, bytes, picture)) {
    if (picture.Width() != 0 || picture.Height() != 0) std::abort();
    return 0;
  }
  if (picture.Width() < 1 || picture.Width() > kMaxImageSide || picture.Height() < 1 ||
      picture.Height() > kMaxImageSide)
    std::abort();
  TXLanczosKernel kernel;
  TXPicture small;
  ResamplePicture(picture, small, 5, kernel, 7);
  return 0;
}
