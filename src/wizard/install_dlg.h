// The wizard's dialog component and the form it shows. The engine owns
// the component and runs it modally; the component hands the engine to the
// form before its first show, and the form does the rest.
#pragma once

#include "ui/win_dialog.h"
#include "wizard/wizard_engine.h"

namespace xs {

// The form of the wizard, as its dialog sees it; the window is the view's.
class TXInstallDlgForm : public TXWinForm {
 public:
  using TXWinForm::TXWinForm;
  // Builds the page sequence for engine (borrowed, it outlives the form)
  // and activates the first page. Called once per form, before its first
  // show.
  virtual void Prepare(TXWizardEngine& engine) = 0;
};

class TXInstallDialog : public TXCustomWinDialog {
 public:
  // form_class makes a TXInstallDlgForm. The form is made at once and kept
  // for the program's life.
  TXInstallDialog(TComponent* owner, TXFormClass form_class, TXWizardEngine& engine);

 protected:
  void Prepare() override;
  // The form shows its own caption: the setup title and the script's.
  void UpdateCaption() override {}

 private:
  TXWizardEngine& engine_;
};

}  // namespace xs
