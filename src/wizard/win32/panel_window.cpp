#include "wizard/win32/panel_window.h"

#include <algorithm>

#include "ui/win32/window_class.h"

namespace xs {

namespace {
const char kClassName[] = "TXComponentsPanel";
constexpr int kLineStep = 16;

}  // namespace

bool TXPanelWindow::Create(HWND parent, const TXRect& rect, int first_id, HFONT font, HFONT title_font) {
  if (!RegisterProgramClass(kClassName, ObjectWindowProc<TXPanelWindow>, COLOR_WINDOW)) return false;
  first_id_ = first_id;
  font_ = font;
  title_font_ = title_font;
  wnd_ = CreateWindowExA(WS_EX_CLIENTEDGE | WS_EX_CONTROLPARENT, kClassName, "", WS_CHILD | WS_VSCROLL, rect.Left,
                         rect.Top, rect.Width, rect.Height, parent, nullptr, GetModuleHandleA(nullptr), this);
  return wnd_ != nullptr;
}

int TXPanelWindow::ContentWidth() const {
  RECT client;
  GetClientRect(wnd_, &client);
  return client.right - GetSystemMetrics(SM_CXVSCROLL);
}

void TXPanelWindow::Show(TXComponentsPanel& panel) {
  for (HWND control : controls_) DestroyWindow(control);
  controls_.clear();
  boxes_.clear();
  panel_ = &panel;
  position_ = 0;
  int item = 0;
  for (const TXPanelEntry& entry : panel.Entries()) {
    auto add = [&](const char* cls, DWORD style, const TXRect& r, int id, HFONT f) {
      HWND control = CreateChild(wnd_, 0, cls, entry.Text, WS_VISIBLE | style, r, id, f);
      controls_.push_back(control);
      return control;
    };
    if (entry.Kind == TXPanelEntryKind::Title) {
      add("STATIC", SS_LEFT | SS_NOPREFIX, entry.Label, 0, title_font_);
      continue;
    }
    const int id = first_id_ + 2 * item++;
    HWND box = add("BUTTON", BS_CHECKBOX | WS_TABSTOP, entry.Box, id, font_);
    SetWindowTextA(box, "");
    boxes_.push_back(box);
    add("STATIC", SS_LEFT | SS_NOPREFIX | SS_NOTIFY, entry.Label, id + 1, font_);
  }
  SyncChecks();
  RECT client;
  GetClientRect(wnd_, &client);
  content_height_ = panel.Height();
  SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, std::max(content_height_ - 1, 0),
                  static_cast<UINT>(client.bottom), 0, 0};
  SetScrollInfo(wnd_, SB_VERT, &info, TRUE);
}

void TXPanelWindow::SyncChecks() {
  for (size_t i = 0; i < boxes_.size(); ++i)
    SendMessageA(boxes_[i], BM_SETCHECK, panel_->Checked(static_cast<int>(i)) ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TXPanelWindow::ScrollTo(int position) {
  RECT client;
  GetClientRect(wnd_, &client);
  position = std::clamp(position, 0, std::max(content_height_ - static_cast<int>(client.bottom), 0));
  if (position == position_) return;
  ScrollWindowEx(wnd_, 0, position_ - position, nullptr, nullptr, nullptr, nullptr,
                 SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
  position_ = position;
  SetScrollPos(wnd_, SB_VERT, position_, TRUE);
}

LRESULT TXPanelWindow::WindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_COMMAND: {
      const int id = LOWORD(wparam);
      const int code = HIWORD(wparam);
      if (panel_ && id >= first_id_ && (code == BN_CLICKED || code == STN_CLICKED)) {
        panel_->Click((id - first_id_) / 2);
        SyncChecks();
        if (OnClick) OnClick();
      }
      return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      SetBkColor(reinterpret_cast<HDC>(wparam), GetSysColor(COLOR_WINDOW));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    case WM_VSCROLL: {
      RECT client;
      GetClientRect(wnd_, &client);
      int position = position_;
      switch (LOWORD(wparam)) {
        case SB_LINEUP: position -= kLineStep; break;
        case SB_LINEDOWN: position += kLineStep; break;
        case SB_PAGEUP: position -= client.bottom; break;
        case SB_PAGEDOWN: position += client.bottom; break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: position = HIWORD(wparam); break;
        case SB_TOP: position = 0; break;
        case SB_BOTTOM: position = content_height_; break;
        default: break;
      }
      ScrollTo(position);
      return 0;
    }
    case WM_MOUSEWHEEL:
      ScrollTo(position_ - GET_WHEEL_DELTA_WPARAM(wparam) / WHEEL_DELTA * 3 * kLineStep);
      return 0;
    default:
      return DefWindowProcA(wnd_, msg, wparam, lparam);
  }
}

}  // namespace xs
