#include "graphics/draw_resampled.h"

#include "graphics/bitmap.h"
#include "graphics/picture.h"
#include "graphics/resample.h"

namespace xs {

namespace {

// Shared between calls so that repeated drawing reuses their storage; each
// is shrunk again after use so that a large image does not stay held.
TXPicture& ScratchPicture() {
  static TXPicture picture;
  return picture;
}
TXBitmap& ScratchSource() {
  static TXBitmap bitmap;
  return bitmap;
}
TXBitmap& ScratchResult() {
  static TXBitmap bitmap;
  return bitmap;
}

}  // namespace

void DrawResampled(TXCanvas& canvas, const TRect& rect, const TXGraphic* graphic,
                   const TXCustomFilterKernel* kernel) {
  const int width = rect.Width();
  const int height = rect.Height();
  if (!graphic || graphic->Width() == 0 || graphic->Height() == 0 || width <= 0 || height <= 0) return;
  if (!kernel || (width == graphic->Width() && height == graphic->Height())) {
    canvas.StretchDraw(rect, *graphic);
    return;
  }
  auto* picture = dynamic_cast<const TXPicture*>(graphic);
  if (picture && picture->HasAlpha()) {
    TXPicture& scratch = ScratchPicture();
    ResamplePicture(*picture, scratch, width, *kernel, height);
    canvas.Draw(rect.Left, rect.Top, scratch);
    scratch.SetSize(1, 1, true);
    return;
  }
  TXBitmap& source = ScratchSource();
  TXBitmap& result = ScratchResult();
  source.SetSize(graphic->Width(), graphic->Height());
  TXBitmapCanvas(source).Draw(0, 0, *graphic);
  ResampleBitmap(source, result, width, *kernel, height);
  canvas.Draw(rect.Left, rect.Top, result);
  source.SetSize(0, 0);
  result.SetSize(0, 0);
}

}  // namespace xs
