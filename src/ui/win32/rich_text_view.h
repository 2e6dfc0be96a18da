// The read-only rich-text viewer of the readme and licence pages: the
// system's rich edit control with a vertical scroll bar, showing rich text
// as such and any other text as plain text, and reporting a left click on
// a link with the link's text.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "ui/geometry.h"

namespace xs {

class TXRichTextView {
 public:
  // Makes the control in parent; false when the system has no rich edit
  // control or refuses the window.
  bool Create(HWND parent, const TXRect& rect, int id, HFONT font);
  HWND Handle() const { return wnd_; }

  // Shows text (rich text when IsRichText, else plain); an empty text only
  // clears the control.
  void SetText(const std::string& text);
  // Handles the control's notifications, which its parent passes on from
  // WM_NOTIFY; false for those of other controls.
  bool Notify(const NMHDR& header);

  // A link was clicked with the left button.
  std::function<void(const std::string& link)> OnLink;

 private:
  HWND wnd_ = nullptr;
};

}  // namespace xs
