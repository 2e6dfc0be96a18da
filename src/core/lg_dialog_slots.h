// The engine's language and start dialog slots, filled with the dialogs of
// the user interface. A dialog without a form class (no windows) shows
// nothing: the language dialog then cancels and the start dialog gives 0,
// so a program without windows leaves the slots empty.
#pragma once

#include "core/install_dialogs.h"
#include "ui/lg_dialogs.h"

namespace xs {

class TXLgDialogSlot : public TXCustomInstallLgDialog {
 public:
  explicit TXLgDialogSlot(TXFormClass form_class) : dialog_(nullptr, std::move(form_class)) {}
  bool ExecuteOK() override {
    dialog_.SetCaption(Caption);
    return dialog_.ExecuteOK();
  }

 private:
  TXInstallLgDialog dialog_;
};

class TXDemoDialogSlot : public TXCustomInstallDemoDialog {
 public:
  explicit TXDemoDialogSlot(TXFormClass form_class) : dialog_(nullptr, std::move(form_class)) {}
  int Execute() override {
    dialog_.SetCaption(Caption);
    return dialog_.Execute();
  }

 private:
  TXStartInstallDemoDialog dialog_;
};

}  // namespace xs
