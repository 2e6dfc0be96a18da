#include "ui/dialog_windows.h"

#include <windows.h>

#include "ui/language_subscription.h"
#include "ui/message_box.h"
#include "ui/message_box_layout.h"
#include "ui/win32/box_window.h"
#include "ui/win32/icon_painter.h"
#include "ui/win32/lg_dialog_window.h"
#include "ui/win32/progress_window.h"

namespace xs {

namespace {
constexpr int kCheckId = 200;
constexpr int kEditId = 201;
constexpr int kEditLimit = 260;  // a file name

TXIconPainter icon_painter = PaintWinDataIcon;

// Shows a box laid out anew (after a language change): its caption, the
// buttons' texts and places, the label and the control under it.
void ShowLayout(TXBoxWindow& box, const std::string& caption, const TXMessageBoxLayout& layout, HWND label,
                HWND below, const TXRect& below_rect) {
  SetWindowTextA(box.Handle(), caption.c_str());
  MoveControl(label, layout.Label);
  if (below) MoveControl(below, below_rect);
  box.PlaceButtons(layout.Buttons);
  box.Resize(layout.ClientWidth, layout.ClientHeight, layout.Panel.Top);
}

// One implementation for both message boxes: checked is null without a
// check box.
int ShowMessageBoxWindow(const std::string& text, const std::string& caption, const std::string& check_text,
                         bool* checked, TXButtonFrame kind, int enabling_result, int default_result, int icon) {
  TXGdiMeasurer measurer;
  TXBoxWindow box(kind, measurer);
  TXCommandFrame& frame = box.Frame();
  frame.EnablingTag = enabling_result;
  TXMessageBoxInput input;
  input.Text = text;
  input.Caption = MessageBoxCaption(caption);
  input.Icon = icon;
  input.HasCheck = checked != nullptr;
  if (checked) input.CheckText = MessageBoxCheckText(check_text);
  input.DefaultResult = default_result;
  TXMessageBoxLayout layout = LayoutMessageBox(input, frame, measurer);
  if (!box.Create(input.Caption, layout.ClientWidth, layout.ClientHeight, layout.Panel.Top)) return mrCancel;

  HWND label = box.AddControl("STATIC", text, SS_LEFT | SS_NOPREFIX, layout.Label, 0);
  box.AddButtons(layout.Buttons, layout.DefaultButton, layout.TabOrder);
  HWND check = nullptr;
  if (checked) {
    check = box.AddControl("BUTTON", input.CheckText, BS_AUTOCHECKBOX | BS_MULTILINE | WS_TABSTOP, layout.Check,
                           kCheckId);
    SendMessageA(check, BM_SETCHECK, *checked ? BST_CHECKED : BST_UNCHECKED, 0);
    frame.EnablingChecked(*checked);
    box.SyncButtons();
    box.OnControlClicked = [&](int id) {
      if (id != kCheckId) return;
      frame.EnablingChecked(SendMessageA(check, BM_GETCHECK, 0, 0) == BST_CHECKED);
      box.SyncButtons();
    };
  }
  if (layout.HasIcon) {
    const RECT place{layout.Icon.Left, layout.Icon.Top, layout.Icon.Right(), layout.Icon.Bottom()};
    box.OnPaint = [icon, place](HDC dc) {
      if (icon_painter) icon_painter(dc, icon, place);
    };
  }
  // The text comes translated from the caller; the buttons, and the
  // caption and check text when they are the defaults, follow the language.
  TXLanguageSubscription retext([&] {
    frame.ApplyTexts(measurer);
    input.Caption = MessageBoxCaption(caption);
    if (checked) input.CheckText = MessageBoxCheckText(check_text);
    layout = LayoutMessageBox(input, frame, measurer);
    if (check) SetWindowTextA(check, input.CheckText.c_str());
    ShowLayout(box, input.Caption, layout, label, check, layout.Check);
  });
  const int result = box.RunModal(nullptr);
  if (checked) *checked = SendMessageA(check, BM_GETCHECK, 0, 0) == BST_CHECKED;
  return result;
}

bool ShowInputBoxWindow(const std::string& caption, const std::string& prompt, std::string& value) {
  TXGdiMeasurer measurer;
  TXBoxWindow box(TXButtonFrame::TXCmdOKCancel, measurer);
  std::string shown = MessageBoxCaption(caption);
  TXMessageBoxLayout layout = LayoutInputBox(shown, prompt, box.Frame(), measurer);
  if (!box.Create(shown, layout.ClientWidth, layout.ClientHeight, layout.Panel.Top)) return false;
  HWND label = box.AddControl("STATIC", prompt, SS_LEFT | SS_NOPREFIX, layout.Label, 0);
  HWND edit = box.AddControl("EDIT", value, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, layout.Edit, kEditId);
  SendMessageA(edit, EM_LIMITTEXT, kEditLimit, 0);
  SendMessageA(edit, EM_SETSEL, 0, -1);
  box.AddButtons(layout.Buttons, layout.DefaultButton, layout.TabOrder);
  TXLanguageSubscription retext([&] {
    box.Frame().ApplyTexts(measurer);
    shown = MessageBoxCaption(caption);
    layout = LayoutInputBox(shown, prompt, box.Frame(), measurer);
    ShowLayout(box, shown, layout, label, edit, layout.Edit);
  });
  if (box.RunModal(edit) != mrOK) return false;
  std::string text(kEditLimit + 1, '\0');
  text.resize(GetWindowTextA(edit, text.data(), static_cast<int>(text.size())));
  value = text;
  return true;
}
}  // namespace

void SetIconPainter(TXIconPainter painter) { icon_painter = painter; }

void InstallDialogWindows() {
  SetMessageBoxFunc([](const std::string& text, const std::string& caption, int icon, TXButtonFrame frame,
                       int default_result) {
    return ShowMessageBoxWindow(text, caption, "", nullptr, frame, -1, default_result, icon);
  });
  SetMessageBoxCheckFunc(
      [](const std::string& text, const std::string& caption, const std::string& check_text, bool& checked,
         TXButtonFrame frame, int enabling_result, int default_result, int icon) {
        return ShowMessageBoxWindow(text, caption, check_text, &checked, frame, enabling_result, default_result,
                                    icon);
      });
  SetInputBoxFunc(ShowInputBoxWindow);
  SetProgressWindowFunc(NewProgressWindow);
}

TXFormClass LgDialogFormClass(TXLgDialogKind kind) {
  return [kind](TComponent* owner) -> TXWinForm* {
    return new TXLgDialogWindow(owner, kind, std::make_unique<TXGdiMeasurer>());
  };
}

}  // namespace xs
