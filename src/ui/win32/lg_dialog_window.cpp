#include "ui/win32/lg_dialog_window.h"

#include <stdexcept>

#include "ui/message_box.h"
#include "ui/win32/icon_painter.h"

namespace xs {

namespace {
constexpr int kBoxId = 300;
constexpr int kFirstButtonId = 301;
constexpr int kDropDownLines = 8;  // the open list's height, in box heights
}  // namespace

void TXComboLanguageBox::ClearItems() { SendMessageA(Handle, CB_RESETCONTENT, 0, 0); }

void TXComboLanguageBox::AddItem(const std::string& text) {
  SendMessageA(Handle, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

int TXComboLanguageBox::ItemCount() const { return static_cast<int>(SendMessageA(Handle, CB_GETCOUNT, 0, 0)); }

int TXComboLanguageBox::ItemIndex() const { return static_cast<int>(SendMessageA(Handle, CB_GETCURSEL, 0, 0)); }

void TXComboLanguageBox::SetItemIndex(int index) { SendMessageA(Handle, CB_SETCURSEL, index, 0); }

TXLgDialogWindow::TXLgDialogWindow(TComponent* owner, TXLgDialogKind kind, std::unique_ptr<TXGdiMeasurer> measurer)
    : TXLgDialogForm(owner, kind, measurer->PixelsPerInch()),
      measurer_(std::move(measurer)),
      box_(TXButtonFrame::TXCmdOK, *measurer_) {
  const TXLgDialogLayout& layout = Layout();
  if (!box_.Create("", layout.ClientWidth, layout.ClientHeight, layout.Panel.Top))
    throw std::runtime_error("the dialog window could not be made");
  question_ = box_.AddControl("STATIC", "", SS_LEFT | SS_NOPREFIX, layout.QuestionLabel, 0);
  lg_label_ = box_.AddControl("STATIC", "", SS_LEFT | SS_NOPREFIX, layout.LgLabel, 0);
  TXRect list = layout.LanguageBox;
  list.Height *= kDropDownLines;
  language_box_.Handle = box_.AddControl("COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, list, kBoxId);
  for (int i = 0; i < 2; ++i)
    buttons_[i] = box_.AddControl("BUTTON", "", WS_TABSTOP | (i == 0 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
                                  layout.Buttons[i], kFirstButtonId + i);
  const RECT image{layout.Image.Left, layout.Image.Top, layout.Image.Right(), layout.Image.Bottom()};
  box_.OnPaint = [image](HDC dc) { PaintWinDataIcon(dc, IconQuestion, image); };
  box_.OnCommand = [this](WPARAM wparam, LPARAM) { return Command(wparam); };
}

TXLgDialogWindow::~TXLgDialogWindow() {
  KillWindowTimer(release_timer_);
  Destroying();
}

bool TXLgDialogWindow::Command(WPARAM wparam) {
  const int id = LOWORD(wparam);
  const std::array<int, 2> results = LgDialogResults(Kind());
  if (id == kBoxId) {
    const int index = language_box_.ItemIndex();
    if (HIWORD(wparam) == CBN_SELCHANGE && index >= 0 && language_box_.OnChange) language_box_.OnChange(index);
  } else if (id == kFirstButtonId || id == IDOK) {
    box_.EndModal(results[0]);
  } else if (id == kFirstButtonId + 1) {
    box_.EndModal(results[1]);
  } else if (id == IDCANCEL) {
    // Esc presses the cancel button; the start dialog has none.
    if (results[1] == mrCancel) box_.EndModal(mrCancel);
  } else {
    return false;
  }
  return true;
}

std::string TXLgDialogWindow::Caption() const {
  std::string text(GetWindowTextLengthA(box_.Handle()) + 1, '\0');
  text.resize(GetWindowTextA(box_.Handle(), text.data(), static_cast<int>(text.size())));
  return text;
}

void TXLgDialogWindow::SetCaption(const std::string& caption) { SetWindowTextA(box_.Handle(), caption.c_str()); }

int TXLgDialogWindow::ClientWidth() const {
  RECT client;
  GetClientRect(box_.Handle(), &client);
  return client.right;
}

void TXLgDialogWindow::SetClientWidth(int width) {
  box_.Resize(width, Layout().ClientHeight, Layout().Panel.Top);
}

bool TXLgDialogWindow::Visible() const { return IsWindowVisible(box_.Handle()) != FALSE; }

int TXLgDialogWindow::ShowModal() {
  modal_ = true;
  const int result = box_.RunModal(buttons_[0]);
  modal_ = false;
  return result;
}

void TXLgDialogWindow::Show() { ShowWindow(box_.Handle(), SW_SHOW); }

void TXLgDialogWindow::Hide() { ShowWindow(box_.Handle(), SW_HIDE); }

void TXLgDialogWindow::BringToFront() { SetForegroundWindow(box_.Handle()); }

void TXLgDialogWindow::Release() {
  if (release_timer_) return;
  // Called from inside the run it ends, too: the form goes once the
  // message loop has control again.
  release_timer_ = StartWindowTimer(0, [this] { delete this; });
}

void TXLgDialogWindow::ShowTexts(const TXLgDialogTexts& texts) {
  SetWindowTextA(question_, texts.Question.c_str());
  SetWindowTextA(lg_label_, texts.LgPrompt.c_str());
  for (int i = 0; i < 2; ++i) SetWindowTextA(buttons_[i], texts.Buttons[i].c_str());
}

void TXLgDialogWindow::ApplyLayout(const TXLgDialogLayout& layout) {
  const int show = layout.LanguageRow ? SW_SHOWNA : SW_HIDE;
  ShowWindow(lg_label_, show);
  ShowWindow(language_box_.Handle, show);
  for (int i = 0; i < 2; ++i) MoveControl(buttons_[i], layout.Buttons[i]);
  box_.Resize(layout.ClientWidth, layout.ClientHeight, layout.Panel.Top);
}

}  // namespace xs
