#include "ui/win32/picture_painter.h"

#include <cstring>
#include <vector>

namespace xs {

void PaintPicture(HDC dc, const TXPicture& picture, int left, int top) {
  const int width = picture.Width(), height = picture.Height();
  if (width <= 0 || height <= 0) return;
  std::vector<uint8_t> bgra = picture.Bgra();
  // The system blends premultiplied pixels.
  for (size_t i = 0; i + 3 < bgra.size(); i += 4)
    for (size_t c = 0; c < 3; ++c) bgra[i + c] = static_cast<uint8_t>((bgra[i + c] * bgra[i + 3] + 127) / 255);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // rows from the top
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
  GdiAlphaBlend(dc, left, top, width, height, memory, 0, 0, width, height, blend);
  SelectObject(memory, old);
  DeleteDC(memory);
  DeleteObject(bitmap);
}

}  // namespace xs
