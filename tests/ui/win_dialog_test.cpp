#include "ui/win_dialog.h"

#include <chrono>
#include <memory>
#include <stdexcept>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "fake_measurer.h"
#include "lang/keys.h"
#include "lang/language_events.h"
#include "platform/message_loop.h"
#include "ui/message_box.h"
#include "ui_language_fixture.h"

namespace xs {
namespace {

class FakeForm;

// What the forms of one test did, kept beyond their lives.
struct FormRecord {
  int created = 0;
  int init_forms = 0;
  int texts_applied = 0;
  int done_forms = 0;
  int brought_to_front = 0;
  int shows = 0;
  std::vector<FakeForm*> released;
};

// A window that lives in memory. The user acts from WhileModal, which runs
// inside ShowModal; the run ends with the modal result set by then (0
// stands for a window closed without one).
class FakeForm : public TXWinForm {
 public:
  FakeForm(TComponent* owner, FormRecord& record) : TXWinForm(owner), record_(record) { ++record_.created; }

  std::function<void(FakeForm&)> WhileModal;
  int client_width = 200;

  std::string Caption() const override { return caption_; }
  void SetCaption(const std::string& caption) override { caption_ = caption; }
  int ClientWidth() const override { return client_width; }
  void SetClientWidth(int width) override { client_width = width; }
  bool Visible() const override { return visible_; }
  bool Modal() const override { return modal_; }
  int ShowModal() override {
    visible_ = modal_ = true;
    modal_result_ = 0;
    if (WhileModal) WhileModal(*this);
    visible_ = modal_ = false;
    return modal_result_;
  }
  void SetModalResult(int result) override { modal_result_ = result; }
  void Show() override {
    visible_ = true;
    ++record_.shows;
  }
  void Hide() override { visible_ = false; }
  void BringToFront() override { ++record_.brought_to_front; }
  void ApplyStyle(const TXFormStyle& style) override { style_ = style; }
  const TXTextMeasurer& Measurer() const override { return measurer_; }
  void Release() override { record_.released.push_back(this); }

  void InitForm() override { ++record_.init_forms; }
  void ApplyTexts() override { ++record_.texts_applied; }
  void DoneForm() override { ++record_.done_forms; }

  TXFormStyle style_;
  int modal_result_ = 0;

 private:
  FormRecord& record_;
  std::string caption_;
  bool visible_ = false;
  bool modal_ = false;
  FakeMeasurer measurer_;
};

class TestDialog : public TXCustomWinDialog {
 public:
  TestDialog(FormRecord& record, std::function<void(FakeForm&)> while_modal = nullptr)
      : TXCustomWinDialog(nullptr, [&record, while_modal](TComponent* owner) {
          auto* form = new FakeForm(owner, record);
          form->WhileModal = while_modal;
          return form;
        }) {}
  using TXCustomWinDialog::DoIntCommand;

  FakeForm* Fake() const { return static_cast<FakeForm*>(Form()); }
  int prepares = 0;
  int arranges = 0;
  int results_chosen = 0;

 protected:
  void Prepare() override { ++prepares; }
  void Arrange() override { ++arranges; }
  void ResultChosen() override { ++results_chosen; }
};

class WinDialogTest : public UiLanguageTest {
 protected:
  void SetUp() override {
    UiLanguageTest::SetUp();
    SetMessageBoxFunc([this](const std::string& text, const std::string& caption, int icon, TXButtonFrame frame,
                             int default_result) {
      messages_.push_back(text + "|" + caption + "|" + std::to_string(icon) + "|" +
                          std::to_string(static_cast<int>(frame)) + "|" + std::to_string(default_result));
      return default_result;
    });
  }
  void TearDown() override {
    ReleasePending();
    SetMessageBoxFunc(nullptr);
    UiLanguageTest::TearDown();
  }
  // What the message loop does with released forms.
  void ReleasePending() {
    for (FakeForm* form : record_.released) {
      form->Destroying();
      delete form;
    }
    record_.released.clear();
  }

  FormRecord record_;
  std::vector<std::string> messages_;
};

TEST_F(WinDialogTest, ExecuteRunsAFreshFormEachTimeAndReturnsItsResult) {
  std::vector<TXWinForm*> executed, after;
  TestDialog dialog(record_, [](FakeForm& form) { form.SetModalResult(6); });
  dialog.OnExecute = [&](TXWinForm* form) { executed.push_back(form); };
  dialog.OnExecuted = [&](TXWinForm* form) { after.push_back(form); };
  EXPECT_EQ(dialog.Execute(), 6);
  EXPECT_EQ(dialog.Execute(), 6);
  EXPECT_EQ(record_.created, 2);
  EXPECT_EQ(dialog.prepares, 2) << "every new form is prepared";
  EXPECT_EQ(dialog.arranges, 2);
  ASSERT_EQ(record_.released.size(), 2u);
  EXPECT_EQ(executed, after);
  EXPECT_EQ(executed[1], record_.released[1]);
  EXPECT_FALSE(dialog.HasForm());
  EXPECT_EQ(record_.init_forms, 2);
  EXPECT_EQ(record_.texts_applied, 2) << "a new form gets its texts at once";
  EXPECT_EQ(record_.released[0]->style_.BorderStyle, TXBorderStyle::bsDialog);
  ReleasePending();
  EXPECT_EQ(record_.done_forms, 2);
}

TEST_F(WinDialogTest, AKeptFormIsMadeAtOnceAndPreparedOnce) {
  TestDialog dialog(record_, [](FakeForm& form) { form.SetModalResult(1); });
  dialog.SetDynamicDlg(false);
  EXPECT_EQ(record_.created, 1);
  EXPECT_TRUE(dialog.ExecuteOK());
  EXPECT_TRUE(dialog.ExecuteOK());
  EXPECT_EQ(record_.created, 1);
  EXPECT_EQ(dialog.prepares, 1);
  EXPECT_TRUE(record_.released.empty());

  // Back to dynamic: a hidden form goes at once.
  dialog.SetDynamicDlg(true);
  EXPECT_EQ(record_.released.size(), 1u);
  EXPECT_FALSE(dialog.HasForm());
}

TEST_F(WinDialogTest, ExecuteOKOnlyForResult1) {
  for (int result : {0, 1, 2, 4, 6, 7}) {
    TestDialog dialog(record_, [result](FakeForm& form) { form.SetModalResult(result); });
    EXPECT_EQ(dialog.ExecuteOK(), result == 1) << result;
  }
}

TEST_F(WinDialogTest, ExecuteWhileRunningModallyOnlyBringsTheFormToFront) {
  int inner = -1;
  TestDialog* self = nullptr;
  TestDialog dialog(record_, [&](FakeForm& form) {
    inner = self->Execute();
    form.SetModalResult(7);
  });
  self = &dialog;
  EXPECT_EQ(dialog.Execute(), 7);
  EXPECT_EQ(inner, 0);
  EXPECT_EQ(record_.brought_to_front, 1);
  EXPECT_EQ(record_.created, 1);
}

TEST_F(WinDialogTest, CommandCloseGivesItsDecimalArgumentOr2) {
  const std::pair<const char*, int> cases[] = {{"4", 4}, {"1", 1}, {"abc", 2}, {"", 2}, {"6x", 2}};
  for (const auto& [args, result] : cases) {
    TestDialog* self = nullptr;
    TestDialog dialog(record_, [&self, args](FakeForm&) { self->DoIntCommand(0, 0, "", 104, args); });
    self = &dialog;
    EXPECT_EQ(dialog.Execute(), result) << args;
    EXPECT_EQ(dialog.results_chosen, 1);
  }
  // Any other command leaves the run alone.
  TestDialog* self = nullptr;
  TestDialog dialog(record_, [&self](FakeForm& form) {
    self->DoIntCommand(0, 0, "", 105, "4");
    EXPECT_TRUE(form.Visible());
    form.SetModalResult(1);
  });
  self = &dialog;
  EXPECT_EQ(dialog.Execute(), 1);
}

TEST_F(WinDialogTest, TheTitleBarsCloseEndsTheRunWith2FromTheMessageLoop) {
  TestDialog dialog(record_, [](FakeForm& form) {
    form.CloseRequested();
    EXPECT_EQ(form.modal_result_, 0) << "posted, not sent";
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (form.modal_result_ == 0 && std::chrono::steady_clock::now() < end) {
      ProcessMessages();
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  });
  EXPECT_EQ(dialog.Execute(), 2);
}

TEST_F(WinDialogTest, AFailingFormGives2AndTheFailureMessageUnlessSilent) {
  for (bool silent : {false, true}) {
    SCOPED_TRACE(silent);
    messages_.clear();
    TestDialog dialog(record_, [](FakeForm&) { throw std::runtime_error("no window"); });
    dialog.optSilentError = silent;
    EXPECT_EQ(dialog.Execute(), 2);
    if (silent) {
      EXPECT_TRUE(messages_.empty());
    } else {
      // The text, no caption (the box shows the application's title), the
      // warning icon, an OK button and OK as the default.
      ASSERT_EQ(messages_.size(), 1u);
      EXPECT_EQ(messages_[0], "The dialog could not be shown.||32515|0|1");
    }
  }
  TXCustomWinDialog dialog(nullptr, [](TComponent*) -> TXWinForm* { throw std::runtime_error("no form"); });
  EXPECT_EQ(dialog.Execute(), 2);
  EXPECT_EQ(messages_.size(), 1u);
}

TEST_F(WinDialogTest, WithoutAFormClassThereIsNothingToRun) {
  TXCustomWinDialog dialog(nullptr, nullptr);
  EXPECT_EQ(dialog.Execute(), 0);
  EXPECT_FALSE(dialog.ShowModeless());
  EXPECT_FALSE(dialog.CloseWithResult(1));
  EXPECT_TRUE(messages_.empty());
}

TEST_F(WinDialogTest, ModelessShowAndCloseFromOutside) {
  TestDialog dialog(record_);
  EXPECT_TRUE(dialog.ShowModeless());
  EXPECT_TRUE(dialog.IsFormVisible());
  EXPECT_FALSE(dialog.IsFormModal());
  EXPECT_TRUE(dialog.ShowModeless());
  EXPECT_EQ(dialog.arranges, 1) << "a visible form is laid out again only with optAlwaysRearrange";
  dialog.optAlwaysRearrange = true;
  EXPECT_TRUE(dialog.ShowModeless());
  EXPECT_EQ(dialog.arranges, 2);
  EXPECT_EQ(record_.shows, 3);
  EXPECT_EQ(record_.brought_to_front, 3);
  EXPECT_EQ(dialog.prepares, 1);

  FakeForm* form = dialog.Fake();
  EXPECT_TRUE(dialog.CloseWithResult(4));
  EXPECT_EQ(dialog.Result(), 4);
  EXPECT_FALSE(form->Visible());
  EXPECT_EQ(record_.released, std::vector<FakeForm*>{form});
  EXPECT_EQ(form->Dialog, nullptr);
  EXPECT_FALSE(dialog.CloseWithResult(4));
}

TEST_F(WinDialogTest, DestroyingTheDialogClosesAndReleasesItsForm) {
  FakeForm* form = nullptr;
  {
    TestDialog dialog(record_);
    dialog.SetDynamicDlg(false);
    ASSERT_TRUE(dialog.ShowModeless());
    form = dialog.Fake();
  }
  EXPECT_FALSE(form->Visible());
  EXPECT_EQ(form->Dialog, nullptr);
  EXPECT_EQ(record_.released, std::vector<FakeForm*>{form});
}

TEST_F(WinDialogTest, AFormDestroyedElsewhereIsForgotten) {
  TestDialog dialog(record_);
  dialog.SetDynamicDlg(false);
  FakeForm* form = dialog.Fake();
  form->Destroying();
  delete form;
  EXPECT_FALSE(dialog.HasForm());
  EXPECT_EQ(record_.done_forms, 1);
}

TEST_F(WinDialogTest, CaptionDefaultCaptionAndAutoWidth) {
  TestDialog dialog(record_);
  dialog.SetDynamicDlg(false);
  dialog.SetDefaultCaption("Setup");
  EXPECT_EQ(dialog.Fake()->Caption(), "Setup");
  dialog.SetCaption("Choose");
  EXPECT_EQ(dialog.Fake()->Caption(), "Choose");

  // Captions 8 pixels a character, title-bar buttons 25: 40 characters need
  // 370, more than the form's 200; a short caption gives the 200 back.
  dialog.AutoWidth = true;
  dialog.SetCaption(std::string(40, 'c'));
  EXPECT_EQ(dialog.Fake()->ClientWidth(), 370);
  dialog.SetCaption("");
  EXPECT_EQ(dialog.Fake()->Caption(), "Setup");
  EXPECT_EQ(dialog.Fake()->ClientWidth(), 200);
}

class LanguageDialog : public TestDialog {
 public:
  using TestDialog::TestDialog;
  void LanguageChanged() override {
    SetDefaultCaption(ActiveLg().Translate(kLgSetupTitle));
    TestDialog::LanguageChanged();
  }
};

TEST_F(WinDialogTest, ALanguageSwitchReachesAnOpenDialogAtOnce) {
  LanguageDialog dialog(record_, [&](FakeForm& form) {
    const int applied = record_.texts_applied;
    SetWord(kLgSetupTitle, "Installation");  // fires the notification
    EXPECT_EQ(record_.texts_applied, applied + 1);
    EXPECT_EQ(form.Caption(), "Installation");
    form.SetModalResult(1);
  });
  NotifyLanguageChanged();
  EXPECT_EQ(dialog.Execute(), 1);
  ReleasePending();
  const int applied = record_.texts_applied;
  NotifyLanguageChanged();
  EXPECT_EQ(record_.texts_applied, applied) << "a destroyed form is no longer subscribed";
}

}  // namespace
}  // namespace xs
