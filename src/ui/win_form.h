// The form base: a window of the program tied to the language-change
// notification and to the dialog component that shows it. The window
// itself is the view's: a descendant implements the window operations.
#pragma once

#include <string>

#include "base/component.h"
#include "ui/text_measurer.h"

namespace xs {

class TXCustomWinDialog;

enum class TXBorderStyle { bsSizeable, bsDialog };
enum class TXPosition { poDesigned, poScreenCenter };
enum class TXDefaultMonitor { dmDesktop, dmActiveForm };

// How a dialog's forms look; applied to every form the dialog creates.
struct TXFormStyle {
  std::string SkinDataName;
  std::string SkinStyle;
  TXBorderStyle BorderStyle = TXBorderStyle::bsDialog;
  TXPosition Position = TXPosition::poScreenCenter;
  TXDefaultMonitor DefaultMonitor = TXDefaultMonitor::dmActiveForm;
  bool optShowTaskBar = false;
};

class TXWinForm : public TComponent {
 public:
  explicit TXWinForm(TComponent* owner) : TComponent(owner) {}
  // Tells the dialog (when still linked) that its form is gone.
  ~TXWinForm() override;

  // The second step of creation, once the most derived class stands:
  // InitForm, then the subscription to language changes, which applies the
  // texts at once.
  void Created();
  // The first step of destruction, which whoever deletes the form calls
  // first: the end of the subscription, then DoneForm.
  void Destroying();

  // The dialog that shows this form (borrowed); cleared by that dialog
  // when it lets the form go.
  TXCustomWinDialog* Dialog = nullptr;
  // Set: the form counts as a visible program form.
  bool TaskBar = true;

  // The close command of the title bar: asks the dialog to end its run with
  // result 2 (posted, it arrives from the message loop). Without a dialog
  // nothing happens here; the view closes the window as usual.
  void CloseRequested();

  // The window. Caption and ClientWidth apply at once; ShowModal runs a
  // message loop until SetModalResult gives a non-zero result, and returns it.
  virtual std::string Caption() const = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual int ClientWidth() const = 0;
  virtual void SetClientWidth(int width) = 0;
  virtual bool Visible() const = 0;
  virtual bool Modal() const = 0;
  virtual int ShowModal() = 0;
  virtual void SetModalResult(int result) = 0;
  virtual void Show() = 0;
  virtual void Hide() = 0;
  virtual void BringToFront() = 0;
  virtual void ApplyStyle(const TXFormStyle& style) = 0;
  // Measures with the form's fonts and screen.
  virtual const TXTextMeasurer& Measurer() const = 0;
  // Destroys the form once the messages pending for it are handled: until
  // control returns to the message loop it stays usable.
  virtual void Release() = 0;

  // Sets every text of the form from the active language; called on every
  // language change.
  virtual void ApplyTexts() {}
  // Called when the form is created, before its texts are applied.
  virtual void InitForm() {}
  // Called when the form is destroyed.
  virtual void DoneForm() {}
  virtual void FormShown() {}
  virtual void FormHidden() {}
  virtual void FormResized() {}

 private:
  bool subscribed_ = false;
};

}  // namespace xs
