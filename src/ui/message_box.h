// Asking the user: the message box with a button frame, and the one-line
// input box. Both are process-wide replaceable functions, so that the
// dialog framework installs the real windows and tests install a scripted
// responder.
#pragma once

#include <functional>
#include <string>

namespace xs {

// The button frames a message box can show.
enum class TXButtonFrame {
  TXCmdOK,
  TXCmdOKCancel,
  TXCmdYesNo,
  TXCmdInstallNoThanks,
  TXCmdResumeExitSetup,
  TXCmdRenameOverwriteCancel,
};

// Dialog results.
enum : int { mrOK = 1, mrCancel = 2, mrOverwrite = 4, mrYes = 6, mrDemo = 6, mrNo = 7 };

// Icon ids.
enum : int { IconError = 32513, IconQuestion = 32514, IconWarning = 32515, IconInformation = 32516 };

using TXMessageBoxFunc = std::function<int(const std::string& text, const std::string& caption, int icon,
                                           TXButtonFrame frame, int default_result)>;
using TXMessageBoxCheckFunc =
    std::function<int(const std::string& text, const std::string& caption, const std::string& check_text,
                      bool& checked, TXButtonFrame frame, int enabling_result, int default_result, int icon)>;
// Returns true with value changed when the user confirmed, false when the
// user cancelled (value is then unspecified).
using TXInputBoxFunc =
    std::function<bool(const std::string& caption, const std::string& prompt, std::string& value)>;

// Shows text with the frame's buttons and returns the result of the button
// pressed (2 when the box is closed). Until the dialog framework installs
// its windows, the default answers default_result without showing anything.
int ShowMessageBox(const std::string& text, const std::string& caption, int icon, TXButtonFrame frame,
                   int default_result);
// ShowMessageBox with a check box under the text (check_text, or the
// translated default when empty), preset with checked and written back.
// When enabling_result is not -1, the button with that result is enabled
// only while the box is checked. The default answers default_result and
// leaves checked alone.
int ShowMessageBoxCheck(const std::string& text, const std::string& caption, const std::string& check_text,
                        bool& checked, TXButtonFrame frame, int enabling_result, int default_result, int icon);
// Asks for one line of text, preset with value.
bool InputBox(const std::string& caption, const std::string& prompt, std::string& value);

// Replace the implementations; an empty function restores the default.
void SetMessageBoxFunc(TXMessageBoxFunc func);
// The implementation in use (empty: the default), for a replacement that
// adds to it rather than taking its place.
TXMessageBoxFunc MessageBoxFuncInUse();
void SetMessageBoxCheckFunc(TXMessageBoxCheckFunc func);
void SetInputBoxFunc(TXInputBoxFunc func);

}  // namespace xs
