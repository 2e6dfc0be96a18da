#include "ui/win32/box_window.h"

#include "ui/win32/window_class.h"

namespace xs {

namespace {
const char kClassName[] = "TXMessageForm";
constexpr int kFirstButtonId = 100;
constexpr DWORD kBoxStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kBoxExStyle = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST | WS_EX_CONTROLPARENT;

// A plain function: the 32-bit system calls it as stdcall, which a lambda
// does not convert to.
BOOL CALLBACK AddIfEnabled(HWND wnd, LPARAM list) {
  if (IsWindowVisible(wnd) && IsWindowEnabled(wnd)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(wnd);
  return TRUE;
}

// The program's other windows that take input now, for the run of a box.
std::vector<HWND> EnabledThreadWindows() {
  std::vector<HWND> windows;
  EnumThreadWindows(GetCurrentThreadId(), AddIfEnabled, reinterpret_cast<LPARAM>(&windows));
  return windows;
}
}  // namespace

void MoveControl(HWND control, const TXRect& rect) {
  MoveWindow(control, rect.Left, rect.Top, rect.Width, rect.Height, TRUE);
}

TXBoxWindow::TXBoxWindow(TXButtonFrame kind, const TXGdiMeasurer& measurer)
    : measurer_(measurer), frame_(kind, measurer.PixelsPerInch()) {
  frame_.ApplyTexts(measurer);
}

TXBoxWindow::~TXBoxWindow() {
  if (wnd_) DestroyWindow(wnd_);
}

bool TXBoxWindow::Create(const std::string& caption, int client_width, int client_height, int panel_top) {
  if (!RegisterProgramClass(kClassName, ObjectWindowProc<TXBoxWindow>, COLOR_BTNFACE)) return false;
  panel_top_ = panel_top;
  const RECT place = CentredRect(client_width, client_height);
  wnd_ = CreateWindowExA(kBoxExStyle, kClassName, caption.c_str(), kBoxStyle, place.left, place.top,
                         place.right - place.left, place.bottom - place.top, GetActiveWindow(), nullptr,
                         GetModuleHandleA(nullptr), this);
  return wnd_ != nullptr;
}

RECT TXBoxWindow::CentredRect(int client_width, int client_height) const {
  RECT rect{0, 0, client_width, client_height};
  AdjustWindowRectEx(&rect, kBoxStyle, FALSE, kBoxExStyle);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  const RECT& area = measurer_.WorkArea();
  const int left = area.left + (area.right - area.left - width) / 2;
  const int top = area.top + (area.bottom - area.top - height) / 2;
  return {left, top, left + width, top + height};
}

void TXBoxWindow::Resize(int client_width, int client_height, int panel_top) {
  panel_top_ = panel_top;
  const RECT place = CentredRect(client_width, client_height);
  SetWindowPos(wnd_, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(wnd_, nullptr, TRUE);
}

HWND TXBoxWindow::AddControl(const char* class_name, const std::string& text, DWORD style, const TXRect& rect,
                             int id) {
  return CreateChild(wnd_, 0, class_name, text, WS_VISIBLE | style, rect, id, measurer_.MessageFont());
}

void TXBoxWindow::AddButtons(const std::vector<TXRect>& rects, int default_button, const std::vector<int>& tab_order) {
  default_button_ = default_button;
  buttons_.assign(rects.size(), nullptr);
  for (int index : tab_order) {
    const DWORD style = WS_TABSTOP | (index == default_button ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    buttons_[index] = AddControl("BUTTON", frame_.Buttons()[index].Text, style, rects[index], kFirstButtonId + index);
  }
  SyncButtons();
}

void TXBoxWindow::SyncButtons() {
  for (size_t i = 0; i < buttons_.size(); ++i) {
    ShowWindow(buttons_[i], frame_.Buttons()[i].Visible ? SW_SHOWNA : SW_HIDE);
    EnableWindow(buttons_[i], frame_.Buttons()[i].Enabled);
  }
}

void TXBoxWindow::PlaceButtons(const std::vector<TXRect>& rects) {
  for (size_t i = 0; i < buttons_.size() && i < rects.size(); ++i) {
    SetWindowTextA(buttons_[i], frame_.Buttons()[i].Text.c_str());
    MoveControl(buttons_[i], rects[i]);
  }
}

void TXBoxWindow::Click(int index) {
  if (index < 0 || index >= static_cast<int>(buttons_.size()) || !IsWindowEnabled(buttons_[index])) return;
  const int result = frame_.ClickResult(index);
  if (result != 0) result_ = result;
}

int TXBoxWindow::RunModal(HWND focus) {
  HWND previous = GetActiveWindow();
  std::vector<HWND> disabled = EnabledThreadWindows();
  for (HWND wnd : disabled) EnableWindow(wnd, FALSE);

  ShowWindow(wnd_, SW_SHOW);
  SetForegroundWindow(wnd_);
  if (!focus && !buttons_.empty()) focus = buttons_[default_button_ >= 0 ? default_button_ : 0];
  if (focus) SetFocus(focus);

  result_ = 0;
  RunModalLoop(wnd_, result_);

  // Enabled again before the box goes, so that the system activates one of
  // them and not another program.
  for (HWND wnd : disabled) EnableWindow(wnd, TRUE);
  ShowWindow(wnd_, SW_HIDE);
  if (previous && IsWindow(previous)) SetActiveWindow(previous);
  return result_;
}

LRESULT TXBoxWindow::WindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
  if (frame_.HandleMessage(msg, wparam, lparam)) {
    SyncButtons();
    return 0;
  }
  switch (msg) {
    case DM_GETDEFID:
      return default_button_ < 0 ? 0 : MAKELRESULT(kFirstButtonId + default_button_, DC_HASDEFID);
    case WM_COMMAND: {
      if (OnCommand && OnCommand(wparam, lparam)) return 0;
      const int id = LOWORD(wparam);
      if (id == IDCANCEL) {
        Click(frame_.CancelIndex());
      } else if (id >= kFirstButtonId && id < kFirstButtonId + static_cast<int>(buttons_.size())) {
        Click(id - kFirstButtonId);
      } else if (HIWORD(wparam) == BN_CLICKED && lparam && OnControlClicked) {
        OnControlClicked(id);
      }
      return 0;
    }
    case WM_CLOSE:
      result_ = mrCancel;
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(wnd_, &paint);
      RECT client;
      GetClientRect(wnd_, &client);
      if (panel_top_ >= 0) {
        RECT line{0, panel_top_, client.right, panel_top_ + 2};
        DrawEdge(dc, &line, BDR_SUNKENOUTER | BDR_RAISEDINNER, BF_TOP);
      }
      if (OnPaint) OnPaint(dc);
      EndPaint(wnd_, &paint);
      return 0;
    }
    default:
      return DefWindowProcA(wnd_, msg, wparam, lparam);
  }
}

}  // namespace xs
