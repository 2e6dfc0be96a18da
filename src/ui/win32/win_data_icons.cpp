#include <windows.h>

#include <algorithm>

#include "graphics/filter_kernel.h"
#include "graphics/resample.h"
#include "graphics/win_data.h"
#include "ui/win32/icon_painter.h"
#include "ui/win32/picture_painter.h"

namespace xs {

namespace {

// The picture of icon at size pixels: one of the sizes kept, else the
// master resampled (a screen scaled to a ppi between the steps).
bool IconPixels(int icon, int size, TXPicture& scratch, const TXPicture*& picture) {
  picture = WinData().IconPicture(icon, size);
  if (picture) return true;
  const TXIconImages* images = WinData().Images(icon);
  if (!images || images->Master.Width() == 0) return false;
  TXLanczosKernel kernel;
  ResamplePicture(images->Master, scratch, size, kernel, size);
  picture = &scratch;
  return true;
}

}  // namespace

void PaintWinDataIcon(HDC dc, int icon, const RECT& rect) {
  const int size = std::min(rect.right - rect.left, rect.bottom - rect.top);
  TXPicture scratch;
  const TXPicture* picture = nullptr;
  if (size <= 0 || !IconPixels(icon, size, scratch, picture)) return;
  PaintPicture(dc, *picture, rect.left, rect.top);
}

}  // namespace xs
