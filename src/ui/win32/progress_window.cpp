#include "ui/win32/progress_window.h"

#include <windows.h>
#include <commctrl.h>

#include "ui/win32/box_window.h"
#include "ui/win32/common_controls.h"
#include "ui/win32/gdi_measurer.h"

namespace xs {

namespace {
constexpr int kLabelId = 300;
constexpr int kBarId = 301;

// Handles what is waiting, so that the window repaints and moves while the
// run goes on; a quit is put back for the loop that runs the program.
void PumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

class TXProgressWindow : public TXProgressView {
 public:
  bool Create(const std::string& caption) {
    if (!InitCommonControlClasses(ICC_PROGRESS_CLASS)) return false;
    const TXProgressLayout layout = LayoutProgressWindow(caption, measurer_);
    if (!box_.Create(caption, layout.ClientWidth, layout.ClientHeight, -1)) return false;
    label_ = box_.AddControl("STATIC", "", SS_LEFT | SS_NOPREFIX | SS_PATHELLIPSIS, layout.Label, kLabelId);
    bar_ = box_.AddControl(PROGRESS_CLASSA, "", 0, layout.Bar, kBarId);
    SendMessageA(bar_, PBM_SETRANGE32, 0, 100);
    ShowWindow(box_.Handle(), SW_SHOW);
    UpdateWindow(box_.Handle());
    PumpMessages();
    return true;
  }

  void Update(int position, const std::string& text) override {
    if (state_.Update(position, text)) {
      SetWindowTextA(label_, state_.Text().c_str());
      SendMessageA(bar_, PBM_SETPOS, state_.Position(), 0);
      UpdateWindow(box_.Handle());
    }
    PumpMessages();
  }

 private:
  TXGdiMeasurer measurer_;
  TXBoxWindow box_{TXButtonFrame::TXCmdOK, measurer_};
  TXProgressState state_;
  HWND label_ = nullptr;
  HWND bar_ = nullptr;
};
}  // namespace

std::unique_ptr<TXProgressView> NewProgressWindow(const std::string& caption) {
  auto window = std::make_unique<TXProgressWindow>();
  if (!window->Create(caption)) return nullptr;
  return window;
}

}  // namespace xs
