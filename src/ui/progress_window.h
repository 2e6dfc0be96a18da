// The window that shows how far a long run has come, with no buttons: the
// caption, one line naming the step being done and a bar with the run's
// position. Its layout and state are portable; the window itself is the
// system's, installed with the other windows (ui/dialog_windows.h).
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "ui/geometry.h"
#include "ui/text_measurer.h"

namespace xs {

struct TXProgressLayout {
  int ClientWidth = 0;
  int ClientHeight = 0;
  TXRect Label;  // one line; a longer text is shortened by the window
  TXRect Bar;
};

// Lays the window out for caption: the line and the bar as wide as a
// message box's text may be, in design pixels scaled to the screen, and
// wide enough for the whole caption.
TXProgressLayout LayoutProgressWindow(const std::string& caption, const TXTextMeasurer& measurer);

// What the window shows. The position is a percentage.
class TXProgressState {
 public:
  // Takes position (kept within 0 to 100) and text; returns whether what
  // is shown changed, so that the window repaints only then.
  bool Update(int position, const std::string& text);
  int Position() const { return position_; }
  const std::string& Text() const { return text_; }

 private:
  int position_ = 0;
  std::string text_;
};

// A shown progress window; destroying it closes the window.
class TXProgressView {
 public:
  virtual ~TXProgressView() = default;
  // Shows position and text, and lets the window repaint before the run
  // goes on.
  virtual void Update(int position, const std::string& text) = 0;
};

using TXProgressWindowFunc = std::function<std::unique_ptr<TXProgressView>(const std::string& caption)>;

// Shows a progress window with caption; null where no window is installed
// (a silent run, a system without windows).
std::unique_ptr<TXProgressView> ShowProgressWindow(const std::string& caption);
// Replaces the implementation; an empty function restores the default.
void SetProgressWindowFunc(TXProgressWindowFunc func);

}  // namespace xs
