#include "ui/win_form.h"

#include "lang/language_events.h"
#include "ui/win_dialog.h"

namespace xs {

namespace {
void ApplyFormTexts(TComponent* form) { static_cast<TXWinForm*>(form)->ApplyTexts(); }
}  // namespace

TXWinForm::~TXWinForm() {
  if (subscribed_) RemoveLanguageListener(ApplyFormTexts, this);
  if (Dialog) Dialog->FormDestroyed(this);
}

void TXWinForm::Created() {
  InitForm();
  subscribed_ = true;
  AddLanguageListener(ApplyFormTexts, this);
}

void TXWinForm::Destroying() {
  if (subscribed_) RemoveLanguageListener(ApplyFormTexts, this);
  subscribed_ = false;
  DoneForm();
}

void TXWinForm::CloseRequested() {
  if (Dialog) Dialog->PostIntCommand(0, 0, "", kCloseWithResultCommand, "2");
}

}  // namespace xs
