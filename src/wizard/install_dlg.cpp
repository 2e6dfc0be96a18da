#include "wizard/install_dlg.h"

namespace xs {

TXInstallDialog::TXInstallDialog(TComponent* owner, TXFormClass form_class, TXWizardEngine& engine)
    : TXCustomWinDialog(owner, std::move(form_class)), engine_(engine) {
  SetDynamicDlg(false);
}

void TXInstallDialog::Prepare() {
  if (auto* form = dynamic_cast<TXInstallDlgForm*>(Form())) form->Prepare(engine_);
}

}  // namespace xs
