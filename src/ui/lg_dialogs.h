// The language dialog and the start dialog (install now or run the demo),
// both shown before the installation wizard. Each carries a language box
// that the language wizard keeps filled: picking an entry switches the
// active language at once, and the dialog re-captions itself through the
// language-change notification. Forms and layouts are portable; the
// windows are the view's.
#pragma once

#include <array>
#include <string>

#include "lang/language_controls.h"
#include "ui/geometry.h"
#include "ui/win_dialog.h"

namespace xs {

enum class TXLgDialogKind {
  InstallLg,         // question, language row, Next > and Cancel
  StartInstallDemo,  // demo explanation, language row, Install and demo
};

// Where everything of either form goes, in screen pixels. The bottom panel
// starts with a lowered 2-pixel line.
struct TXLgDialogLayout {
  int ClientWidth = 0;
  int ClientHeight = 0;
  TXRect Image;
  TXRect QuestionLabel;
  TXRect LgLabel;
  TXRect LanguageBox;
  TXRect Panel;
  std::array<TXRect, 2> Buttons{};  // the default button first
  bool LanguageRow = true;
};

// The form's design layout scaled to ppi.
TXLgDialogLayout LayoutLgDialog(TXLgDialogKind kind, int ppi);
// The layout without the language row: label and box hidden, the client
// shorter by the box's height and 8 design pixels, the panel moved up.
TXLgDialogLayout WithoutLanguageRow(const TXLgDialogLayout& layout, int ppi);

struct TXLgDialogTexts {
  std::string Question;
  std::string LgPrompt;
  std::array<std::string, 2> Buttons;
};

// The texts a form shows, from the active language.
TXLgDialogTexts LgDialogTexts(TXLgDialogKind kind);

// The result each button gives: Install (or Next) 1; Cancel 2, demo 6.
std::array<int, 2> LgDialogResults(TXLgDialogKind kind);

// The form of both dialogs. The view makes the window from Layout() in its
// constructor (the language box must exist before InitForm) and implements
// the window operations below.
class TXLgDialogForm : public TXWinForm {
 public:
  TXLgDialogForm(TComponent* owner, TXLgDialogKind kind, int ppi);

  TXLgDialogKind Kind() const { return kind_; }
  const TXLgDialogLayout& Layout() const { return layout_; }
  // Hides the language row and shortens the form (see WithoutLanguageRow).
  void HideLanguageRow();

  // The drop-down list of the offered languages.
  virtual TXLanguageBox& LanguageBox() = 0;

  // The language dialog attaches its box to the language wizard here; the
  // start dialog's component does it when preparing the form.
  void InitForm() override;
  void ApplyTexts() override;

 protected:
  // Puts texts on the labels and buttons.
  virtual void ShowTexts(const TXLgDialogTexts& texts) = 0;
  // Moves, sizes, shows and hides the window's parts as layout says.
  virtual void ApplyLayout(const TXLgDialogLayout& layout) = 0;

 private:
  TXLgDialogKind kind_;
  int ppi_;
  TXLgDialogLayout layout_;
};

// The language dialog: ExecuteOK is true when the user pressed Next; the
// language active when the run ends becomes the run-wide language id,
// whatever the result.
class TXInstallLgDialog : public TXCustomWinDialog {
 public:
  // form_class makes a TXLgDialogForm of kind InstallLg.
  TXInstallLgDialog(TComponent* owner, TXFormClass form_class);

 protected:
  void RunModal() override;
};

// The start dialog: Execute gives 1 (install), 6 (demo) or 2 (closed, or
// showing failed); the language active when the result is chosen becomes
// the run-wide language id.
class TXStartInstallDemoDialog : public TXCustomWinDialog {
 public:
  // form_class makes a TXLgDialogForm of kind StartInstallDemo.
  TXStartInstallDemoDialog(TComponent* owner, TXFormClass form_class);

 protected:
  // Attaches the language box; with fewer than two languages offered there
  // is nothing to choose and the row goes.
  void Prepare() override;
  void ResultChosen() override;
};

}  // namespace xs
