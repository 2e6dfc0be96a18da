// Where everything of a message box goes: a pure function of the texts,
// the button frame and the measures of fonts and screen, so that the
// window only places what it is given.
#pragma once

#include <string>
#include <vector>

#include "ui/command_frame.h"
#include "ui/geometry.h"
#include "ui/text_measurer.h"

namespace xs {

struct TXMessageBoxInput {
  std::string Text{};
  std::string Caption{};  // as shown: see MessageBoxCaption
  int Icon = 0;         // 0: no icon place
  bool HasCheck = false;
  std::string CheckText{};  // as shown: see MessageBoxCheckText
  int DefaultResult = 0;
  bool RightToLeft = false;  // mirrors icon, text and check box
};

struct TXMessageBoxLayout {
  int ClientWidth = 0;
  int ClientHeight = 0;
  // The bottom panel (its top 2 pixels are a lowered line) and the button
  // frame in it, along the panel's bottom edge.
  TXRect Panel;
  TXRect Frame;
  std::vector<TXRect> Buttons;  // in client coordinates, as in the frame
  bool HasIcon = false;
  TXRect Icon;
  TXRect Label;
  TXRect Check;  // empty without a check box
  TXRect Edit;   // the input box's edit line
  int DefaultButton = -1;  // the button with the default result; -1 none
  std::vector<int> TabOrder;
};

// The least client width that shows caption whole beside the title bar's
// buttons.
int CaptionMinimum(const std::string& caption, const TXTextMeasurer& measurer);
// The caption a message box shows: the given one, else the application's title.
std::string MessageBoxCaption(const std::string& caption);
// The text a check box shows: the given one, else the translated default.
std::string MessageBoxCheckText(const std::string& text);

// Lays the box out around frame, whose texts are applied.
TXMessageBoxLayout LayoutMessageBox(const TXMessageBoxInput& input, const TXCommandFrame& frame,
                                    const TXTextMeasurer& measurer);

// The input box: the prompt (Label) word-wrapped over a one-line edit at
// least four buttons wide, and the frame (OK, Cancel; OK the default).
TXMessageBoxLayout LayoutInputBox(const std::string& caption, const std::string& prompt,
                                  const TXCommandFrame& frame, const TXTextMeasurer& measurer);

}  // namespace xs
