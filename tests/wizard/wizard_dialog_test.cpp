// The wizard's form and dialog component around the model.
#include <functional>

#include "ui/fake_window.h"
#include "wizard/install_dialog.h"
#include "wizard_fixture.h"

namespace xs {
namespace {

// A form in memory; the user acts from WhileModal.
class FakeInstallDlg : public FakeWindow<TXInstallDlg, FakeInstallDlg> {
 public:
  using FakeWindow::FakeWindow;

  int shown = 0;  // ShowModel calls
  bool terminated = false;

  void PageActivated() override {}
  bool SelectFolder(TXFolderTree, const std::string&) override { return false; }
  void ProcessMessages() override {}
  void Close() override {
    if (Model()->FormCloseQuery()) SetModalResult(mrCancel);
  }
  void Terminate() override { terminated = true; }

 protected:
  int WelcomePanelWidth() const override { return 400; }
  int ComponentsPanelWidth() const override { return 380; }
  void ShowModel() override { ++shown; }
};

TEST_F(WizardTest, TheDialogRunsTheWizardAndTellsWhetherItInstalled) {
  AddApp("Tool", 0);
  engine.script.SplitSections();
  struct Case {
    const char* name;
    bool install_result;
    int answer;  // to the exit question
    std::function<void(FakeInstallDlg&)> user;
    bool installed;
    int installs;
  } cases[] = {
      {"to the end", true, mrOK,
       [](FakeInstallDlg& form) {
         form.Model()->NextBtnClick();
         form.Model()->NextBtnClick();
         form.Model()->CancelBtnClick();  // Close on the finish page
       },
       true, 1},
      {"exit on the welcome page", true, mrCancel, [](FakeInstallDlg& form) { form.Model()->CancelBtnClick(); },
       false, 0},
      {"a failed run", false, mrOK,
       [](FakeInstallDlg& form) {
         form.Model()->NextBtnClick();
         form.Model()->NextBtnClick();
         EXPECT_TRUE(form.terminated);
         form.SetModalResult(mrCancel);  // the program ends
       },
       false, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    engine.installs = 0;
    engine.install_result = c.install_result;
    answer = c.answer;
    FakeInstallDlg* made = nullptr;
    TXInstallDialog dialog(nullptr, [&](TComponent* owner) {
      made = new FakeInstallDlg(owner);
      made->WhileModal = c.user;
      return made;
    }, engine);
    EXPECT_EQ(dialog.ExecuteInstall(), c.installed);
    EXPECT_EQ(engine.installs, c.installs);
    // The dialog let its form go; a fake window is not destroyed by that.
    ASSERT_TRUE(made && made->Released());
    made->Destroying();
    delete made;
  }
}

TEST_F(WizardTest, AKeptFormIsPreparedOnce) {
  engine.script.SplitSections();
  std::vector<TXInstallWizard*> models;
  FakeInstallDlg* form = nullptr;
  TXInstallDialog dialog(nullptr, [&](TComponent* owner) {
    form = new FakeInstallDlg(owner);
    form->WhileModal = [&models](FakeInstallDlg& f) {
      models.push_back(f.Model());
      f.SetModalResult(mrCancel);
    };
    return form;
  }, engine);
  dialog.SetDynamicDlg(false);
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->Model(), nullptr);  // no model before the first run
  dialog.ExecuteInstall();
  dialog.ExecuteInstall();
  ASSERT_EQ(models.size(), 2u);
  EXPECT_NE(models[0], nullptr);
  EXPECT_EQ(models[0], models[1]);
  // The texts reach the model and the window once there is a model.
  const int shown = form->shown;
  form->ApplyTexts();
  EXPECT_EQ(form->shown, shown + 1);
  EXPECT_EQ(form->Model()->Texts().Caption, "Setup: Demo");
  form->Destroying();
  delete form;
}

}  // namespace
}  // namespace xs
