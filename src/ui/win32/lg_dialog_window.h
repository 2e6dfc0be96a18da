// The windows of the language dialog and the start dialog: boxes made in
// code with the question image, the question, the language row and the
// two buttons on the bottom panel.
#pragma once

#include <windows.h>

#include <memory>

#include "platform/message_loop.h"
#include "ui/lg_dialogs.h"
#include "ui/win32/box_window.h"
#include "ui/win32/gdi_measurer.h"

namespace xs {

// A drop-down list combo box as the language wizard sees it.
class TXComboLanguageBox : public TXLanguageBox {
 public:
  HWND Handle = nullptr;
  void ClearItems() override;
  void AddItem(const std::string& text) override;
  int ItemCount() const override;
  int ItemIndex() const override;
  void SetItemIndex(int index) override;
};

class TXLgDialogWindow : public TXLgDialogForm {
 public:
  // Makes the window (hidden); throws when the system refuses it.
  TXLgDialogWindow(TComponent* owner, TXLgDialogKind kind, std::unique_ptr<TXGdiMeasurer> measurer);
  ~TXLgDialogWindow() override;

  TXLanguageBox& LanguageBox() override { return language_box_; }
  std::string Caption() const override;
  void SetCaption(const std::string& caption) override;
  int ClientWidth() const override;
  void SetClientWidth(int width) override;
  bool Visible() const override;
  bool Modal() const override { return modal_; }
  int ShowModal() override;
  void SetModalResult(int result) override { box_.EndModal(result); }
  void Show() override;
  void Hide() override;
  void BringToFront() override;
  // The form always has a dialog border and is centred: nothing to apply.
  void ApplyStyle(const TXFormStyle&) override {}
  const TXTextMeasurer& Measurer() const override { return *measurer_; }
  void Release() override;

 protected:
  void ShowTexts(const TXLgDialogTexts& texts) override;
  void ApplyLayout(const TXLgDialogLayout& layout) override;

 private:
  bool Command(WPARAM wparam);

  std::unique_ptr<TXGdiMeasurer> measurer_;
  TXBoxWindow box_;
  TXComboLanguageBox language_box_;
  HWND question_ = nullptr;
  HWND lg_label_ = nullptr;
  HWND buttons_[2] = {};
  bool modal_ = false;
  TimerId release_timer_ = 0;
};

}  // namespace xs
