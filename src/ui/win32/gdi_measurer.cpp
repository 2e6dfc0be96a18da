#include "ui/win32/gdi_measurer.h"

namespace xs {

namespace {
constexpr UINT kWrapFlags = DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS;
}

TXGdiMeasurer::TXGdiMeasurer() : dc_(CreateCompatibleDC(nullptr)) {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  message_font_ = CreateFontIndirectA(&metrics.lfMessageFont);
  caption_font_ = CreateFontIndirectA(&metrics.lfCaptionFont);
  ppi_ = GetDeviceCaps(dc_, LOGPIXELSY);

  HWND active = GetActiveWindow();
  if (!active) active = GetForegroundWindow();
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (GetMonitorInfoA(MonitorFromWindow(active, MONITOR_DEFAULTTOPRIMARY), &monitor)) {
    work_area_ = monitor.rcWork;
  } else {
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work_area_, 0);
  }
}

TXGdiMeasurer::~TXGdiMeasurer() {
  DeleteDC(dc_);
  DeleteObject(message_font_);
  DeleteObject(caption_font_);
}

int TXGdiMeasurer::LineWidth(HFONT font, const std::string& text) const {
  HGDIOBJ old = SelectObject(dc_, font);
  SIZE size{};
  GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size);
  SelectObject(dc_, old);
  return size.cx;
}

int TXGdiMeasurer::TextWidth(const std::string& text) const { return LineWidth(message_font_, text); }

int TXGdiMeasurer::CaptionWidth(const std::string& text) const { return LineWidth(caption_font_, text); }

TXSize TXGdiMeasurer::WrappedTextSize(const std::string& text, int max_width) const {
  HGDIOBJ old = SelectObject(dc_, message_font_);
  RECT rect{0, 0, max_width, 0};
  // An empty text would measure nothing; it still takes a line.
  const std::string measured = text.empty() ? std::string(" ") : text;
  DrawTextA(dc_, measured.data(), static_cast<int>(measured.size()), &rect, kWrapFlags);
  SelectObject(dc_, old);
  return {static_cast<int>(rect.right - rect.left), static_cast<int>(rect.bottom - rect.top)};
}

int TXGdiMeasurer::TitleButtonWidth() const { return GetSystemMetrics(SM_CXSIZE); }

TXSize TXGdiMeasurer::ScreenSize() const {
  return {static_cast<int>(work_area_.right - work_area_.left), static_cast<int>(work_area_.bottom - work_area_.top)};
}

}  // namespace xs
