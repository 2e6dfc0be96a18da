// A modal box of the program: a top-level window made in code, with the
// buttons of a frame along its bottom, run until a button, Esc (the
// frame's cancel button) or the title bar's close (result 2) ends it.
// While it runs, every other window of the program is disabled.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/command_frame.h"
#include "ui/geometry.h"
#include "ui/win32/gdi_measurer.h"

namespace xs {

// Puts a child control at rect.
void MoveControl(HWND control, const TXRect& rect);

class TXBoxWindow {
 public:
  // The frame's texts are applied.
  TXBoxWindow(TXButtonFrame kind, const TXGdiMeasurer& measurer);
  ~TXBoxWindow();
  TXBoxWindow(const TXBoxWindow&) = delete;
  TXBoxWindow& operator=(const TXBoxWindow&) = delete;

  TXCommandFrame& Frame() { return frame_; }
  HWND Handle() const { return wnd_; }

  // Makes the (hidden) window with this client size, centred in the work
  // area and always on top; panel_top is where the lowered line above the
  // buttons runs (negative: a window without buttons has none). False when the system refuses.
  bool Create(const std::string& caption, int client_width, int client_height, int panel_top);
  // A child control in the message font.
  HWND AddControl(const char* class_name, const std::string& text, DWORD style, const TXRect& rect, int id);
  // The frame's buttons at rects, made in tab order so that Tab follows
  // it; default_button (-1: none) is the one Enter presses.
  void AddButtons(const std::vector<TXRect>& rects, int default_button, const std::vector<int>& tab_order);
  // Shows the buttons as the frame has them (visible, enabled).
  void SyncButtons();
  // Gives the buttons the frame's texts, at rects (after the frame's
  // texts changed with the language).
  void PlaceButtons(const std::vector<TXRect>& rects);
  // Shows the window and runs it with the keyboard focus on focus (none:
  // the first button in tab order); returns the result.
  int RunModal(HWND focus);
  // Ends the run with result (not 0).
  void EndModal(int result) { result_ = result; }
  // Gives the window this client size, centred again, with the panel's
  // line at panel_top.
  void Resize(int client_width, int client_height, int panel_top);

  // Paints what the controls do not (the icon); called from WM_PAINT.
  std::function<void(HDC dc)> OnPaint;
  // A control that is not a frame button was clicked.
  std::function<void(int id)> OnControlClicked;
  // Sees every WM_COMMAND first (Esc comes as IDCANCEL); true when it
  // handled the command, which the box then leaves alone.
  std::function<bool(WPARAM wparam, LPARAM lparam)> OnCommand;

 private:
  template <class T>
  friend LRESULT CALLBACK ObjectWindowProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam);
  LRESULT WindowMessage(UINT msg, WPARAM wparam, LPARAM lparam);
  void Click(int index);
  RECT CentredRect(int client_width, int client_height) const;

  const TXGdiMeasurer& measurer_;
  TXCommandFrame frame_;
  HWND wnd_ = nullptr;
  int panel_top_ = 0;
  int default_button_ = -1;
  std::vector<HWND> buttons_;
  int result_ = 0;
};

}  // namespace xs
