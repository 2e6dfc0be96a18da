#include "graphics/draw_resampled.h"

#include <gtest/gtest.h>

#include <vector>

#include "graphics/bitmap.h"
#include "graphics/picture.h"
#include "graphics/resample.h"

namespace xs {

namespace {

// Records each draw and what the graphic held at that moment (the scratch
// images change afterwards).
class RecordingCanvas : public TXCanvas {
 public:
  struct Call {
    TRect rect;
    const TXGraphic* graphic;
    int width, height;
    std::vector<uint8_t> pixels;  // a picture's Bgra, a bitmap's quads
  };
  std::vector<Call> calls;

  void StretchDraw(const TRect& rect, const TXGraphic& graphic) override {
    Call call{rect, &graphic, graphic.Width(), graphic.Height(), {}};
    if (auto* picture = dynamic_cast<const TXPicture*>(&graphic)) call.pixels = picture->Bgra();
    if (auto* bitmap = dynamic_cast<const TXBitmap*>(&graphic)) call.pixels = Quads(*bitmap);
    calls.push_back(call);
  }

  static std::vector<uint8_t> Quads(const TXBitmap& bitmap) {
    std::vector<uint8_t> out;
    for (int y = 0; y < bitmap.Height(); ++y)
      for (int x = 0; x < bitmap.Width(); ++x) {
        const TRGBQuad& q = bitmap.Pixels.At(x, y);
        out.insert(out.end(), {q.Blue, q.Green, q.Red, q.Reserved});
      }
    return out;
  }
};

void Gradient(TXPicture& picture, int width, int height) {
  picture.SetSize(width, height, true);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      picture.Colour.At(x, y) = {uint8_t(x * 20), uint8_t(y * 20), 99};
      picture.Alpha.At(x, y) = uint8_t(255 - x * 10);
    }
}

TEST(DrawResampledTest, DrawsNothingForNothing) {
  TXLanczosKernel kernel;
  RecordingCanvas canvas;
  TXPicture empty;
  TXPicture picture;
  Gradient(picture, 8, 8);
  DrawResampled(canvas, {0, 0, 10, 10}, nullptr, &kernel);
  DrawResampled(canvas, {0, 0, 10, 10}, &empty, &kernel);
  DrawResampled(canvas, {5, 5, 5, 20}, &picture, &kernel);
  DrawResampled(canvas, {5, 5, 20, 5}, &picture, &kernel);
  EXPECT_TRUE(canvas.calls.empty());
}

TEST(DrawResampledTest, WithoutKernelOrAtItsOwnSizeDrawsPlainly) {
  TXLanczosKernel kernel;
  RecordingCanvas canvas;
  TXPicture picture;
  Gradient(picture, 8, 6);
  DrawResampled(canvas, {1, 2, 21, 32}, &picture, nullptr);
  DrawResampled(canvas, {3, 4, 11, 10}, &picture, &kernel);
  ASSERT_EQ(canvas.calls.size(), 2u);
  EXPECT_EQ(canvas.calls[0].rect, (TRect{1, 2, 21, 32}));
  EXPECT_EQ(canvas.calls[0].graphic, &picture);
  EXPECT_EQ(canvas.calls[1].rect, (TRect{3, 4, 11, 10}));
  EXPECT_EQ(canvas.calls[1].graphic, &picture);
}

TEST(DrawResampledTest, PictureWithAlphaIsResampledIntoTheSharedScratch) {
  TXLanczosKernel kernel;
  RecordingCanvas canvas;
  TXPicture picture;
  Gradient(picture, 8, 6);
  DrawResampled(canvas, {10, 20, 23, 25}, &picture, &kernel);
  ASSERT_EQ(canvas.calls.size(), 1u);
  const RecordingCanvas::Call& call = canvas.calls[0];
  EXPECT_EQ(call.rect, (TRect{10, 20, 23, 25}));  // at the corner, at its own 13 x 5
  TXPicture expected;
  ResamplePicture(picture, expected, 13, kernel, 5);
  EXPECT_EQ(call.pixels, expected.Bgra());
  EXPECT_NE(call.graphic, &picture);
  EXPECT_EQ(call.graphic->Width(), 1);  // the scratch shrinks after use
}

TEST(DrawResampledTest, OtherGraphicsGoThroughTheScratchBitmaps) {
  TXLanczosKernel kernel;
  RecordingCanvas canvas;
  TXBitmap bitmap;
  bitmap.SetSize(7, 9);
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 7; ++x) bitmap.Pixels.At(x, y) = {uint8_t(x * 30), uint8_t(y * 25), uint8_t(x * y), 1};
  DrawResampled(canvas, {-2, 3, 12, 8}, &bitmap, &kernel);
  ASSERT_EQ(canvas.calls.size(), 1u);
  const RecordingCanvas::Call& call = canvas.calls[0];
  EXPECT_EQ(call.rect, (TRect{-2, 3, 12, 8}));
  TXBitmap expected;
  ResampleBitmap(bitmap, expected, 14, kernel, 5);
  EXPECT_EQ(call.pixels, RecordingCanvas::Quads(expected));
  EXPECT_EQ(call.graphic->Width(), 0);  // emptied after use
}

TEST(BitmapCanvasTest, PictureBlendsOverAndBitmapReplaces) {
  TXBitmap target;
  target.SetSize(4, 2);
  for (int x = 0; x < 4; ++x) target.Pixels.At(x, 0) = {100, 100, 100, 7};
  TXPicture picture;
  picture.SetSize(2, 1, true);
  picture.Colour.At(0, 0) = {255, 0, 200};
  picture.Colour.At(1, 0) = {255, 0, 200};
  picture.Alpha.At(0, 0) = 255;
  picture.Alpha.At(1, 0) = 51;  // a fifth
  TXBitmapCanvas canvas(target);
  canvas.StretchDraw({0, 0, 4, 1}, picture);  // each source pixel twice
  // 51: (255 * 51 + 100 * 204 + 127) / 255 = 131; (0 + 20400 + 127) / 255 = 80; (10200 + 20400 + 127) / 255 = 120
  EXPECT_EQ(target.Pixels.At(1, 0), (TRGBQuad{255, 0, 200, 7}));
  EXPECT_EQ(target.Pixels.At(2, 0), (TRGBQuad{131, 80, 120, 7}));
  EXPECT_EQ(target.Pixels.At(0, 1), (TRGBQuad{0, 0, 0, 0}));  // outside the rect
  TXBitmap dot;
  dot.SetSize(1, 1);
  dot.Pixels.At(0, 0) = {1, 2, 3, 4};
  canvas.Draw(3, 1, dot);
  canvas.Draw(4, 1, dot);  // outside the target: clipped
  EXPECT_EQ(target.Pixels.At(3, 1), (TRGBQuad{1, 2, 3, 4}));
}

}  // namespace
}  // namespace xs
