#include "wizard/install_dialog.h"

namespace xs {

void TXInstallDlg::SetEngine(TXWizardEngine& engine) {
  model_ = std::make_unique<TXInstallWizard>(engine, *this, Measurer(), WelcomePanelWidth(), ComponentsPanelWidth());
}

void TXInstallDlg::ApplyTexts() {
  if (!model_) return;
  model_->ApplyTexts();
  ShowModel();
}

TXInstallDialog::TXInstallDialog(TComponent* owner, TXFormClass form_class, TXWizardEngine& engine)
    : TXCustomWinDialog(owner, std::move(form_class)), engine_(engine) {}

bool TXInstallDialog::ExecuteInstall() {
  installed_ = false;
  Execute();
  return installed_;
}

void TXInstallDialog::DoExecuted(TXWinForm* form) {
  // A form made anew for each run goes right after it: ask it now.
  const TXInstallWizard* model = static_cast<TXInstallDlg*>(form)->Model();
  installed_ = model && model->Installed();
  TXCustomWinDialog::DoExecuted(form);
}

void TXInstallDialog::Prepare() {
  auto* form = static_cast<TXInstallDlg*>(Form());
  form->SetEngine(engine_);
  form->Model()->Prepare();
}

}  // namespace xs
