#include "ui/win32/effect_label.h"

namespace xs {

namespace {
constexpr UINT kFlags = DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX;

void DrawAt(HDC dc, const std::string& text, RECT rect, int shift, COLORREF color) {
  OffsetRect(&rect, shift, shift);
  SetTextColor(dc, color);
  DrawTextA(dc, text.data(), static_cast<int>(text.size()), &rect, kFlags);
}
}  // namespace

void DrawEffectLabel(HDC dc, const std::string& text, const RECT& rect, const TXEffectLabelStyle& style) {
  HGDIOBJ old_font = SelectObject(dc, style.Font);
  const int old_mode = SetBkMode(dc, TRANSPARENT);
  const COLORREF old_color = GetTextColor(dc);
  if (style.Enabled) {
    DrawAt(dc, text, rect, style.ShadowDistance, style.ShadowColor);
    DrawAt(dc, text, rect, 0, style.Color);
  } else {
    DrawAt(dc, text, rect, 1, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawAt(dc, text, rect, 0, GetSysColor(COLOR_BTNSHADOW));
  }
  SetTextColor(dc, old_color);
  SetBkMode(dc, old_mode);
  SelectObject(dc, old_font);
}

SIZE EffectLabelSize(HDC dc, const std::string& text, const TXEffectLabelStyle& style) {
  HGDIOBJ old_font = SelectObject(dc, style.Font);
  SIZE size{};
  GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old_font);
  size.cx += style.ShadowDistance;
  size.cy += style.ShadowDistance;
  return size;
}

}  // namespace xs
