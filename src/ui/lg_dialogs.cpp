#include "ui/lg_dialogs.h"

#include "base/settings.h"
#include "lang/keys.h"
#include "lang/language.h"
#include "lang/lg_wizard.h"
#include "ui/message_box.h"

namespace xs {

namespace {
// Design pixels of both forms; they differ in the question's height, which
// pushes the language row and the panel down, and in the buttons' width.
constexpr int kClientWidth = 384;
constexpr int kImage = 48;
constexpr int kImageLeft = 16;
constexpr int kLabelLeft = 80;
constexpr int kQuestionTop = 20;
constexpr int kQuestionWidth = 289;
constexpr int kBoxLeft = 188;
constexpr int kBoxWidth = 180;
constexpr int kBoxHeight = 21;  // a drop-down list in the message font
constexpr int kLabelHeight = 13;
constexpr int kRowGap = 8;      // also what goes with the hidden row
constexpr int kPanelHeight = 41;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 8;

struct TXDesign {
  int ClientHeight;
  int QuestionHeight;
  int RowTop;  // the box's; the label sits 3 lower, on its text line
  int ButtonWidth;
};

TXDesign Design(TXLgDialogKind kind) {
  if (kind == TXLgDialogKind::InstallLg) return {142, 45, 72, 75};
  return {192, 93, 122, 140};
}

TXRect Scaled(int left, int top, int width, int height, int ppi) {
  return {ScaleDesign(left, ppi), ScaleDesign(top, ppi), ScaleDesign(width, ppi), ScaleDesign(height, ppi)};
}

// The panel along the bottom and its buttons right-aligned in it.
void PlacePanel(TXLgDialogLayout& layout, int button_width, int ppi) {
  const int panel = ScaleDesign(kPanelHeight, ppi);
  layout.Panel = {0, layout.ClientHeight - panel, layout.ClientWidth, panel};
  const int width = ScaleDesign(button_width, ppi), height = ScaleDesign(kButtonHeight, ppi);
  const int gap = ScaleDesign(kButtonGap, ppi);
  const int top = layout.Panel.Top + (panel - height) / 2;
  layout.Buttons[1] = {layout.ClientWidth - gap - width, top, width, height};
  layout.Buttons[0] = {layout.Buttons[1].Left - gap - width, top, width, height};
}
}  // namespace

TXLgDialogLayout LayoutLgDialog(TXLgDialogKind kind, int ppi) {
  const TXDesign design = Design(kind);
  TXLgDialogLayout layout;
  layout.ClientWidth = ScaleDesign(kClientWidth, ppi);
  layout.ClientHeight = ScaleDesign(design.ClientHeight, ppi);
  layout.Image = Scaled(kImageLeft, kImageLeft, kImage, kImage, ppi);
  layout.QuestionLabel = Scaled(kLabelLeft, kQuestionTop, kQuestionWidth, design.QuestionHeight, ppi);
  layout.LgLabel = Scaled(kLabelLeft, design.RowTop + 3, kBoxLeft - kRowGap - kLabelLeft, kLabelHeight, ppi);
  layout.LanguageBox = Scaled(kBoxLeft, design.RowTop, kBoxWidth, kBoxHeight, ppi);
  PlacePanel(layout, design.ButtonWidth, ppi);
  return layout;
}

TXLgDialogLayout WithoutLanguageRow(const TXLgDialogLayout& layout, int ppi) {
  if (!layout.LanguageRow) return layout;
  TXLgDialogLayout shorter = layout;
  shorter.LanguageRow = false;
  const int cut = layout.LanguageBox.Height + ScaleDesign(kRowGap, ppi);
  shorter.ClientHeight -= cut;
  shorter.Panel.Top -= cut;
  for (TXRect& button : shorter.Buttons) button.Top -= cut;
  return shorter;
}

TXLgDialogTexts LgDialogTexts(TXLgDialogKind kind) {
  const TXLg& lg = ActiveLg();
  TXLgDialogTexts texts;
  texts.LgPrompt = lg.Translate(kLgLanguagePrompt);
  if (kind == TXLgDialogKind::InstallLg) {
    texts.Question = lg.Translate(kLgLanguageQuestion);
    texts.Buttons = {lg.Translate(kLgNextButton) + " >", lg.Translate(kLgCancelButton)};
  } else {
    texts.Question = lg.Translate(kLgDemoExplanation) + "\r\n\r\n" + lg.Translate(kLgInstallOrDemoQuestion);
    texts.Buttons = {lg.Translate(kLgInstallButton), lg.Translate(kLgDemoButton)};
  }
  return texts;
}

std::array<int, 2> LgDialogResults(TXLgDialogKind kind) {
  if (kind == TXLgDialogKind::InstallLg) return {mrOK, mrCancel};
  return {mrOK, mrDemo};
}

TXLgDialogForm::TXLgDialogForm(TComponent* owner, TXLgDialogKind kind, int ppi)
    : TXWinForm(owner), kind_(kind), ppi_(ppi), layout_(LayoutLgDialog(kind, ppi)) {}

void TXLgDialogForm::HideLanguageRow() {
  layout_ = WithoutLanguageRow(layout_, ppi_);
  ApplyLayout(layout_);
}

void TXLgDialogForm::InitForm() {
  if (kind_ == TXLgDialogKind::InstallLg) LgWizard().AttachControl(&LanguageBox());
}

void TXLgDialogForm::ApplyTexts() { ShowTexts(LgDialogTexts(kind_)); }

TXInstallLgDialog::TXInstallLgDialog(TComponent* owner, TXFormClass form_class)
    : TXCustomWinDialog(owner, std::move(form_class)) {}

void TXInstallLgDialog::RunModal() {
  TXCustomWinDialog::RunModal();
  RunSettings().CurrentLgID = ActiveLg().ActiveLangID();
}

TXStartInstallDemoDialog::TXStartInstallDemoDialog(TComponent* owner, TXFormClass form_class)
    : TXCustomWinDialog(owner, std::move(form_class)) {}

void TXStartInstallDemoDialog::Prepare() {
  auto* form = static_cast<TXLgDialogForm*>(Form());
  LgWizard().AttachControl(&form->LanguageBox());
  if (LgWizard().OfferedPacks().Count() < 2) form->HideLanguageRow();
}

void TXStartInstallDemoDialog::ResultChosen() { RunSettings().CurrentLgID = ActiveLg().ActiveLangID(); }

}  // namespace xs
