// The installation wizard's form and the dialog component that runs it.
// The form holds the wizard's model; the view derives from it, builds the
// window, shows the model's state and forwards the user's input to it.
#pragma once

#include <memory>

#include "ui/win_dialog.h"
#include "wizard/install_wizard.h"

namespace xs {

class TXInstallDlg : public TXWinForm, public TXWizardWindow {
 public:
  explicit TXInstallDlg(TComponent* owner) : TXWinForm(owner) {}

  // Makes the model that reaches engine (borrowed, it outlives the form);
  // called by the dialog component before the form is first shown.
  void SetEngine(TXWizardEngine& engine);
  // The model; null until SetEngine.
  TXInstallWizard* Model() const { return model_.get(); }

  // The model's texts anew, then ShowModel.
  void ApplyTexts() override;

 protected:
  // The client widths of the welcome page's application list and of the
  // components list, in screen pixels.
  virtual int WelcomePanelWidth() const = 0;
  virtual int ComponentsPanelWidth() const = 0;
  // Shows what the model holds now.
  virtual void ShowModel() = 0;

 private:
  std::unique_ptr<TXInstallWizard> model_;
};

// Runs the wizard modally over the engine given.
class TXInstallDialog : public TXCustomWinDialog {
 public:
  // form_class makes a TXInstallDlg; engine is borrowed and outlives the
  // dialog. A kept form (DynamicDlg false) is prepared only once, however
  // often the dialog runs.
  TXInstallDialog(TComponent* owner, TXFormClass form_class, TXWizardEngine& engine);

  // Runs the wizard; true when it ended with a completed installation.
  bool ExecuteInstall();

 protected:
  // Hands the form the engine and builds the page sequence.
  void Prepare() override;
  void DoExecuted(TXWinForm* form) override;
  // The form shows its own caption: the setup title and the script's.
  void UpdateCaption() override {}

 private:
  TXWizardEngine& engine_;
  bool installed_ = false;
};

}  // namespace xs
