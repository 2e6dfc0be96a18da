// Button frames: a row of translated buttons at the bottom of a window,
// each giving its tag as the window's result when clicked.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/geometry.h"
#include "ui/message_box.h"
#include "ui/text_measurer.h"

namespace xs {

// The messages a frame answers; the first parameter is a button tag, and
// every button with that tag is concerned.
inline constexpr uint32_t kWmApp = 0x8000;
// Second parameter non-zero: show the buttons, else hide them.
inline constexpr uint32_t kFrameShowButtons = kWmApp + 0x70;
// Second parameter non-zero: enable the buttons, else disable them.
inline constexpr uint32_t kFrameEnableButtons = kWmApp + 0x71;
// Gives the buttons the tag in the second parameter.
inline constexpr uint32_t kFrameRetagButtons = kWmApp + 0x72;

struct TXFrameButton {
  int Tag = 0;              // the result a click gives
  const char* TextKey = "";  // translation key of its text
  std::string Text;
  bool Visible = true;
  bool Enabled = true;
  int Width = 0;
  // Distance of its left edge from the frame's right edge: the buttons are
  // anchored to the right, so this stays when the frame is resized.
  int RightOffset = 0;
};

class TXCommandFrame {
 public:
  static constexpr int kDesignHeight = 35;

  // Creates the buttons of kind (left to right, in the kind's order) at
  // the frame's design place, scaled from 96 pixels per inch to ppi. The
  // texts come with ApplyTexts.
  TXCommandFrame(TXButtonFrame kind, int ppi);
  virtual ~TXCommandFrame() = default;

  const std::vector<TXFrameButton>& Buttons() const { return buttons_; }
  int Height() const { return ScaleDesign(kDesignHeight, ppi_); }
  // The button that Esc presses; -1 when Esc does nothing.
  int CancelIndex() const { return cancel_index_; }
  // The first button whose tag is tag; -1 for none.
  int IndexOfTag(int tag) const;

  // The tag of the buttons that the check box enables (-1: none).
  int EnablingTag = -1;
  // Asked on a click with the button's tag; a non-zero answer is the
  // result in its place. Unset: the tag is the result.
  std::function<int(int tag)> HostResult;

  // Gives every button its translated text and its tag, then one width to
  // all: the largest of 75 and each text's width plus 20. When that is not
  // the width they have, they are laid out anew from the right edge.
  void ApplyTexts(const TXTextMeasurer& measurer);

  // Where button index is in a frame frame_width wide.
  TXRect ButtonRect(size_t index, int frame_width) const;
  // The width from the leftmost button's left edge to the frame's right edge.
  int RowWidth() const;
  // Tab order: the button at start (the default one), those right of it,
  // then those left of it. start -1 begins at the first.
  std::vector<int> TabOrder(int start) const;

  // The check box changed: the buttons with the enabling tag follow it.
  void EnablingChecked(bool checked);
  // Answers a frame message (above); false for any other message.
  bool HandleMessage(uint32_t message, uintptr_t wparam, intptr_t lparam);
  // The result a click on button index gives; 0 when it gives none
  // (negative results count as 0).
  int ClickResult(size_t index) const;

 protected:
  // Called after a message gave buttons a new tag.
  virtual void ButtonTagChanged() {}

 private:
  std::vector<TXFrameButton> buttons_;
  std::vector<int> design_tags_;
  int cancel_index_ = -1;
  int ppi_;
};

}  // namespace xs
