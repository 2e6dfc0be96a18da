#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "graphics/filter_kernel.h"
#include "graphics/resample.h"
#include "graphics/win_data.h"
#include "ui/win32/icon_painter.h"

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
  std::vector<uint8_t> bgra = picture->Bgra();
  // The system blends premultiplied pixels.
  for (size_t i = 0; i + 3 < bgra.size(); i += 4)
    for (size_t c = 0; c < 3; ++c) bgra[i + c] = static_cast<uint8_t>((bgra[i + c] * bgra[i + 3] + 127) / 255);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = size;
  info.bmiHeader.biHeight = -size;  // rows from the top
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) return;
  std::memcpy(bits, bgra.data(), bgra.size());
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  GdiAlphaBlend(dc, rect.left, rect.top, size, size, memory, 0, 0, size, size, blend);
  SelectObject(memory, old);
  DeleteDC(memory);
  DeleteObject(bitmap);
}

}  // namespace xs
