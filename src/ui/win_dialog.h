// The dialog component: a non-visual object that owns the settings of one
// dialog and creates, runs and releases its form.
#pragma once

#include <functional>
#include <string>

#include "ui/command_component.h"
#include "ui/win_form.h"

namespace xs {

// Makes the form a dialog shows, owned by owner.
using TXFormClass = std::function<TXWinForm*(TComponent* owner)>;
using TXFormEvent = std::function<void(TXWinForm* form)>;

// The command that ends a run; its argument is the result in decimal.
inline constexpr int kCloseWithResultCommand = 104;

class TXCustomWinDialog : public TXCommandComponent {
 public:
  // form_class: the form this dialog shows.
  TXCustomWinDialog(TComponent* owner, TXFormClass form_class);
  // Ends a run with 2 and lets the form go.
  ~TXCustomWinDialog() override;

  // Runs the dialog modally and returns its result: 0 when there is no
  // form, or (bringing it to front) when it is already running modally;
  // 2 when making or running the form failed, shown to the user unless
  // optSilentError is set.
  int Execute();
  bool ExecuteOK() { return Execute() == 1; }
  // Shows the form without waiting; false when no form could be made.
  virtual bool ShowModeless();
  // Ends a run from outside with result (a modal run returns it; a
  // modeless form is hidden). False when there is no form.
  virtual bool CloseWithResult(int result);

  // True: the form exists only while the dialog runs. False: it is made at
  // once and kept.
  bool DynamicDlg() const { return dynamic_; }
  void SetDynamicDlg(bool dynamic);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  const std::string& DefaultCaption() const { return default_caption_; }
  void SetDefaultCaption(const std::string& caption);
  // Set: the form is widened so that its caption fits.
  bool AutoWidth = false;

  TXFormStyle XStyle;
  bool optSilentError = false;
  bool optAlwaysRearrange = false;
  int CustomTag = 0;
  TXFormEvent OnExecute;
  TXFormEvent OnExecuted;

  int Result() const { return result_; }
  TXWinForm* Form() const { return form_; }
  virtual bool HasForm() const { return form_ != nullptr; }
  virtual bool IsFormVisible() const { return form_ && form_->Visible(); }
  virtual bool IsFormModal() const { return form_ && form_->Modal(); }

  // The form tells its dialog that it is being destroyed.
  void FormDestroyed(TXWinForm* form);
  // Called on every language change (and once on creation).
  virtual void LanguageChanged() { UpdateCaption(); }

 protected:
  void DoIntCommand(int monitor, TXHitType hit, const std::string& hit_name, int command,
                    const std::string& args) override;
  // Puts Caption (or the default caption) on the form, widening it when
  // AutoWidth is set.
  virtual void UpdateCaption();
  virtual void CreateForm();
  virtual void ReleaseForm();
  // Lays the form out before it is shown.
  virtual void Arrange() {}
  // Called at the end of CloseWithResult.
  virtual void AfterClose() {}
  virtual void DoExecute();
  virtual void DoExecuted(TXWinForm* form);
  // Fills a new form; called once per form, before its first show.
  virtual void Prepare() {}
  virtual void RunModal();
  // Called when a result is set from outside the modal run.
  virtual void ResultChosen() {}

 private:
  TXFormClass form_class_;
  TXWinForm* form_ = nullptr;
  bool dynamic_ = true;
  bool needs_prepare_ = false;
  int result_ = 0;
  int design_client_width_ = 0;
  std::string caption_;
  std::string default_caption_;
};

}  // namespace xs
