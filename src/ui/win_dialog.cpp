#include "ui/win_dialog.h"

#include <algorithm>

#include "base/convert.h"
#include "lang/keys.h"
#include "lang/language.h"
#include "lang/language_events.h"
#include "ui/application.h"
#include "ui/message_box.h"

namespace xs {

namespace {
void DialogLanguageChanged(TComponent* dialog) { static_cast<TXCustomWinDialog*>(dialog)->LanguageChanged(); }
}  // namespace

TXCustomWinDialog::TXCustomWinDialog(TComponent* owner, TXFormClass form_class)
    : TXCommandComponent(owner), form_class_(std::move(form_class)) {
  AddLanguageListener(DialogLanguageChanged, this);
}

TXCustomWinDialog::~TXCustomWinDialog() {
  RemoveLanguageListener(DialogLanguageChanged, this);
  CloseWithResult(2);
  ReleaseForm();
}

void TXCustomWinDialog::SetDynamicDlg(bool dynamic) {
  if (dynamic_ == dynamic) return;
  dynamic_ = dynamic;
  if (dynamic && form_ && !form_->Visible()) ReleaseForm();
  if (!dynamic && !form_) CreateForm();
}

void TXCustomWinDialog::SetCaption(const std::string& caption) {
  caption_ = caption;
  UpdateCaption();
}

void TXCustomWinDialog::SetDefaultCaption(const std::string& caption) {
  default_caption_ = caption;
  UpdateCaption();
}

void TXCustomWinDialog::FormDestroyed(TXWinForm* form) {
  if (form_ == form) form_ = nullptr;
}

void TXCustomWinDialog::DoIntCommand(int monitor, TXHitType hit, const std::string& hit_name, int command,
                                     const std::string& args) {
  if (command != kCloseWithResultCommand) {
    TXCommandComponent::DoIntCommand(monitor, hit, hit_name, command, args);
    return;
  }
  CloseWithResult(StrToIntDef(args, 2));
}

void TXCustomWinDialog::UpdateCaption() {
  if (!form_) return;
  const std::string& caption = caption_.empty() ? default_caption_ : caption_;
  form_->SetCaption(caption);
  if (!AutoWidth) return;
  if (design_client_width_ == 0) design_client_width_ = form_->ClientWidth();
  const TXTextMeasurer& measurer = form_->Measurer();
  form_->SetClientWidth(
      std::max(design_client_width_, measurer.CaptionWidth(caption) + 2 * measurer.TitleButtonWidth()));
}

void TXCustomWinDialog::CreateForm() {
  needs_prepare_ = true;
  if (!form_class_ || form_) return;
  form_ = form_class_(&Application());
  form_->Dialog = this;
  form_->Created();
  form_->ApplyStyle(XStyle);
}

void TXCustomWinDialog::ReleaseForm() {
  TXWinForm* form = form_;
  form_ = nullptr;
  if (!form) return;
  form->Dialog = nullptr;
  try {
    form->Release();
  } catch (...) {
    // A form that cannot go away cleanly is no reason to fail the dialog.
  }
}

void TXCustomWinDialog::DoExecute() {
  if (OnExecute) OnExecute(form_);
}

void TXCustomWinDialog::DoExecuted(TXWinForm* form) {
  if (OnExecuted) OnExecuted(form);
}

void TXCustomWinDialog::RunModal() {
  if (!form_) {
    result_ = 0;
    return;
  }
  if (needs_prepare_) {
    Prepare();
    needs_prepare_ = false;
  }
  UpdateCaption();
  DoExecute();
  Arrange();
  // A close from outside may let the form go while it runs; it stays
  // usable until the message loop gets control back.
  TXWinForm* form = form_;
  result_ = form->ShowModal();
  DoExecuted(form);
  CloseWithResult(result_);
}

int TXCustomWinDialog::Execute() {
  result_ = 0;
  if (IsFormModal()) {
    form_->BringToFront();
    return 0;
  }
  try {
    if (!form_) CreateForm();
    RunModal();
    if (dynamic_) ReleaseForm();
  } catch (...) {
    result_ = 2;
    if (!optSilentError)
      ShowMessageBox(ActiveLg().Translate(kLgDialogFailure), "", IconWarning, TXButtonFrame::TXCmdOK, mrOK);
  }
  return result_;
}

bool TXCustomWinDialog::ShowModeless() {
  if (!form_) CreateForm();
  if (!form_) return false;
  if (needs_prepare_) {
    Prepare();
    needs_prepare_ = false;
  }
  UpdateCaption();
  if (optAlwaysRearrange || !form_->Visible()) Arrange();
  form_->Show();
  form_->BringToFront();
  return true;
}

bool TXCustomWinDialog::CloseWithResult(int result) {
  if (!form_) return false;
  result_ = result;
  if (form_->Modal()) form_->SetModalResult(result);
  else if (form_->Visible()) form_->Hide();
  ResultChosen();
  AfterClose();
  if (dynamic_) ReleaseForm();
  return true;
}

}  // namespace xs
