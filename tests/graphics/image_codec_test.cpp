// The decoders on the masters and on damaged input. The same tests run
// natively (libpng, libjpeg) and under Wine (the system's imaging
// component), so both must give the same pixels.
#include "platform/image_codec.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <string>

#include "graphics/win_data.h"
#include "platform/system_error.h"

namespace xs {

std::string_view QuadrantsJpeg();

namespace {

uint32_t BigEndian(std::string_view bytes, size_t at) {
  return uint32_t(uint8_t(bytes[at])) << 24 | uint32_t(uint8_t(bytes[at + 1])) << 16 |
         uint32_t(uint8_t(bytes[at + 2])) << 8 | uint8_t(bytes[at + 3]);
}

// What make_icons.py drew: it stores 64 rows of RGBA, each behind filter
// byte 0, so inflating the image data gives them back without a decoder.
std::string GeneratorRows(std::string_view png) {
  std::string compressed;
  for (size_t at = 8; at + 12 <= png.size();) {
    uint32_t length = BigEndian(png, at);
    if (png.substr(at + 4, 4) == "IDAT") compressed += png.substr(at + 8, length);
    at += 12 + length;
  }
  std::string raw(64 * (1 + 64 * 4), '\0');
  uLongf size = raw.size();
  EXPECT_EQ(uncompress(reinterpret_cast<Bytef*>(raw.data()), &size,
                       reinterpret_cast<const Bytef*>(compressed.data()), compressed.size()),
            Z_OK);
  EXPECT_EQ(size, raw.size());
  return raw;
}

TEST(ImageCodecTest, MastersDecodeToWhatTheGeneratorDrew) {
  for (std::string_view png : {InformationIconPng(), QuestionIconPng(), ErrorIconPng(), WarningIconPng()}) {
    TXDecodedImage image;
    ASSERT_TRUE(DecodeImage(TXImageFormat::Png, png, image));
    EXPECT_EQ(LastSystemError(), 0);
    ASSERT_EQ(image.Width, 64);
    ASSERT_EQ(image.Height, 64);
    ASSERT_EQ(image.Pixels.size(), 64u * 64 * 4);
    std::string rows = GeneratorRows(png);
    int mismatches = 0;
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x) {
        const char* rgba = rows.data() + y * 257 + 1 + x * 4;
        const uint8_t* bgra = image.Pixels.data() + (y * 64 + x) * 4;
        if (bgra[0] != uint8_t(rgba[2]) || bgra[1] != uint8_t(rgba[1]) || bgra[2] != uint8_t(rgba[0]) ||
            bgra[3] != uint8_t(rgba[3]))
          ++mismatches;
      }
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(image.Pixels[3], 0);  // the corner is transparent
  }
}

// quadrants.jpg: 16 x 16, red, green / blue, white quadrants, quality 95,
// no chroma subsampling; a lossy format, so near the colours only.
TEST(ImageCodecTest, JpegDecodesOpaqueNearItsColours) {
  TXDecodedImage image;
  ASSERT_TRUE(DecodeImage(TXImageFormat::Jpeg, QuadrantsJpeg(), image));
  ASSERT_EQ(image.Width, 16);
  ASSERT_EQ(image.Height, 16);
  struct Probe {
    int x, y;
    uint8_t b, g, r;
  } probes[] = {{2, 2, 0, 0, 255}, {13, 2, 0, 255, 0}, {2, 13, 255, 0, 0}, {13, 13, 255, 255, 255}};
  for (const Probe& p : probes) {
    const uint8_t* px = image.Pixels.data() + (p.y * 16 + p.x) * 4;
    EXPECT_NEAR(px[0], p.b, 12) << p.x << "," << p.y;
    EXPECT_NEAR(px[1], p.g, 12) << p.x << "," << p.y;
    EXPECT_NEAR(px[2], p.r, 12) << p.x << "," << p.y;
  }
  for (size_t i = 3; i < image.Pixels.size(); i += 4) ASSERT_EQ(image.Pixels[i], 255);
}

void ExpectFailure(TXImageFormat format, std::string_view bytes, const char* what) {
  TXDecodedImage image;
  image.Width = 5;
  EXPECT_FALSE(DecodeImage(format, bytes, image)) << what;
  EXPECT_NE(LastSystemError(), 0) << what;
  EXPECT_EQ(image.Width, 0) << what;
  EXPECT_TRUE(image.Pixels.empty()) << what;
}

// A PNG whose header says width x height, with a correct checksum, and the
// first master's image data.
std::string PngWithSize(uint32_t width, uint32_t height) {
  std::string png(InformationIconPng());
  for (int i = 0; i < 4; ++i) {
    png[16 + i] = char(width >> (24 - 8 * i));
    png[20 + i] = char(height >> (24 - 8 * i));
  }
  uLong crc = crc32(0, reinterpret_cast<const Bytef*>(png.data() + 12), 17);
  for (int i = 0; i < 4; ++i) png[29 + i] = char(crc >> (24 - 8 * i));
  return png;
}

TEST(ImageCodecTest, DamagedPngFailsCleanly) {
  const std::string png(InformationIconPng());
  ExpectFailure(TXImageFormat::Png, "", "empty");
  ExpectFailure(TXImageFormat::Png, png.substr(0, 8), "signature only");
  ExpectFailure(TXImageFormat::Png, png.substr(0, 33), "header only");
  ExpectFailure(TXImageFormat::Png, png.substr(0, png.size() / 2), "cut in the image data");
  std::string bad_data = png;
  bad_data[png.size() / 2] ^= 0x5A;  // inside the image data: its checksum no longer matches
  ExpectFailure(TXImageFormat::Png, bad_data, "image data changed");
  ExpectFailure(TXImageFormat::Png, PngWithSize(kMaxImageSide + 1, 64), "too wide");
  ExpectFailure(TXImageFormat::Png, PngWithSize(64, 100000), "too tall");
  ExpectFailure(TXImageFormat::Png, PngWithSize(0, 64), "no width");
  ExpectFailure(TXImageFormat::Png, QuadrantsJpeg(), "a JPEG");
}

TEST(ImageCodecTest, DamagedJpegFailsCleanly) {
  const std::string jpeg(QuadrantsJpeg());
  ExpectFailure(TXImageFormat::Jpeg, "", "empty");
  ExpectFailure(TXImageFormat::Jpeg, std::string("\xFF\xD8\xFF\xE0 not a jpeg at all"), "garbage after the start");
  ExpectFailure(TXImageFormat::Jpeg, jpeg.substr(0, 100), "cut in the tables");
  ExpectFailure(TXImageFormat::Jpeg, InformationIconPng(), "a PNG");
  // The frame header's size: SOF0 (FF C0), length, precision, then height
  // and width, 16 bits each.
  size_t sof = jpeg.find("\xFF\xC0");
  ASSERT_NE(sof, std::string::npos);
  std::string huge = jpeg;
  huge[sof + 7] = char(0x20);  // width 0x2010 = 8208
  ExpectFailure(TXImageFormat::Jpeg, huge, "too wide");
}

}  // namespace
}  // namespace xs
