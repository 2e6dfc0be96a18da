// The window operations of a form, in memory, for the tests of forms whose
// windows are the view's. The user acts from WhileModal, which runs inside
// ShowModal; the run ends with the modal result set by then (0 stands for
// a window closed without one).
#pragma once

#include <functional>
#include <string>

#include "fake_measurer.h"
#include "ui/win_form.h"

namespace xs {

// Form is the form class under test; Derived, the fake deriving from this.
template <class Form, class Derived>
class FakeWindow : public Form {
 public:
  using Form::Form;

  std::function<void(Derived&)> WhileModal;

  std::string Caption() const override { return caption_; }
  void SetCaption(const std::string& caption) override { caption_ = caption; }
  int ClientWidth() const override { return client_width_; }
  void SetClientWidth(int width) override { client_width_ = width; }
  bool Visible() const override { return modal_; }
  bool Modal() const override { return modal_; }
  int ShowModal() override {
    modal_ = true;
    result_ = 0;
    if (WhileModal) WhileModal(static_cast<Derived&>(*this));
    modal_ = false;
    return result_;
  }
  void SetModalResult(int result) override { result_ = result; }
  void Show() override {}
  void Hide() override {}
  void BringToFront() override {}
  void ApplyStyle(const TXFormStyle&) override {}
  const TXTextMeasurer& Measurer() const override { return measurer_; }
  void Release() override { released_ = true; }
  bool Released() const { return released_; }

 private:
  FakeMeasurer measurer_;
  std::string caption_;
  int client_width_ = 0;
  bool modal_ = false;
  int result_ = 0;
  bool released_ = false;
};

}  // namespace xs
