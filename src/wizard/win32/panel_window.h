// A components panel on the screen: a child window with a vertical scroll
// bar that shows the panel's entries (titles, check boxes and their
// word-wrapped labels) where the panel's layout puts them. Clicks on a box
// or its label go to the panel, and the boxes then show its states.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "ui/geometry.h"
#include "wizard/components_panel.h"

namespace xs {

class TXPanelWindow {
 public:
  TXPanelWindow() = default;
  TXPanelWindow(const TXPanelWindow&) = delete;
  TXPanelWindow& operator=(const TXPanelWindow&) = delete;

  // Makes the (empty) window in parent; false when the system refuses.
  // Item i's box gets the id first_id + 2 i, its label the next.
  bool Create(HWND parent, const TXRect& rect, int first_id, HFONT font, HFONT title_font);
  HWND Handle() const { return wnd_; }
  // The width the panel's entries may take: the window's less the bar's.
  int ContentWidth() const;

  // Makes the controls of panel's entries anew, scrolled to the top.
  void Show(TXComponentsPanel& panel);
  // Called after a click changed the panel's states.
  std::function<void()> OnClick;

 private:
  template <class T>
  friend LRESULT CALLBACK ObjectWindowProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam);
  LRESULT WindowMessage(UINT msg, WPARAM wparam, LPARAM lparam);
  void ScrollTo(int position);
  void SyncChecks();

  HWND wnd_ = nullptr;
  int first_id_ = 0;
  HFONT font_ = nullptr;
  HFONT title_font_ = nullptr;
  TXComponentsPanel* panel_ = nullptr;
  std::vector<HWND> controls_;
  std::vector<HWND> boxes_;  // by item (titles not counted)
  int position_ = 0;
  int content_height_ = 0;
};

}  // namespace xs
