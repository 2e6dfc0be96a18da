#include "platform/image_codec.h"

#include <png.h>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

#include "platform/system_error.h"

namespace xs {

namespace {

bool SideFits(uint64_t side) { return side > 0 && side <= kMaxImageSide; }

// libpng's simplified reader: it reports every fault through its return
// value, and the header alone is read before the pixels are set aside.
bool DecodePng(std::string_view bytes, TXDecodedImage& image) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&png, bytes.data(), bytes.size())) return false;
  if (!SideFits(png.width) || !SideFits(png.height)) {
    png_image_free(&png);
    return false;
  }
  png.format = PNG_FORMAT_BGRA;
  image.Width = static_cast<int>(png.width);
  image.Height = static_cast<int>(png.height);
  image.Pixels.resize(PNG_IMAGE_SIZE(png));
  // Frees png's state on success and on failure alike.
  return png_image_finish_read(&png, nullptr, image.Pixels.data(), 0, nullptr) != 0;
}

// libjpeg reports a fault by calling error_exit, which must not return:
// it jumps back into DecodeJpeg. Warnings (a truncated stream among them,
// which libjpeg would otherwise fill with grey) are faults here too.
struct JpegErrors {
  jpeg_error_mgr mgr;
  std::jmp_buf jump;
};

[[noreturn]] void JpegFault(j_common_ptr info) {
  std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->jump, 1);
}

void JpegMessage(j_common_ptr info, int level) {
  if (level < 0) JpegFault(info);  // a warning; trace levels (>= 0) pass
}

// Nothing between setjmp and the jumps has a destructor to skip: image is
// the caller's, and libjpeg is C.
bool DecodeJpeg(std::string_view bytes, TXDecodedImage& image) {
  jpeg_decompress_struct jpeg{};
  JpegErrors errors{};
  jpeg.err = jpeg_std_error(&errors.mgr);
  errors.mgr.error_exit = JpegFault;
  errors.mgr.emit_message = JpegMessage;
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&jpeg);
    return false;
  }
  jpeg_create_decompress(&jpeg);
  jpeg_mem_src(&jpeg, reinterpret_cast<const unsigned char*>(bytes.data()),
               static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&jpeg, TRUE);
  if (!SideFits(jpeg.image_width) || !SideFits(jpeg.image_height)) JpegFault(reinterpret_cast<j_common_ptr>(&jpeg));
  jpeg.out_color_space = JCS_EXT_BGRA;
  jpeg_start_decompress(&jpeg);
  image.Width = static_cast<int>(jpeg.output_width);
  image.Height = static_cast<int>(jpeg.output_height);
  size_t stride = static_cast<size_t>(image.Width) * 4;
  image.Pixels.resize(stride * image.Height);
  while (jpeg.output_scanline < jpeg.output_height) {
    JSAMPROW row = image.Pixels.data() + stride * jpeg.output_scanline;
    jpeg_read_scanlines(&jpeg, &row, 1);
  }
  jpeg_finish_decompress(&jpeg);
  jpeg_destroy_decompress(&jpeg);
  return true;
}

}  // namespace

bool DecodeImage(TXImageFormat format, std::string_view bytes, TXDecodedImage& image) {
  image = TXDecodedImage();
  bool ok = bytes.size() <= kMaxImageBytes &&
            (format == TXImageFormat::Png ? DecodePng(bytes, image) : DecodeJpeg(bytes, image));
  if (!ok) image = TXDecodedImage();
  SetLastSystemError(ok ? 0 : kErrInvalidData);
  return ok;
}

}  // namespace xs
