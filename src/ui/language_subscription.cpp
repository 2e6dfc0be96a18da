#include "ui/language_subscription.h"

#include "lang/language_events.h"

namespace xs {

TXLanguageSubscription::TXLanguageSubscription(std::function<void()> apply) : apply_(std::move(apply)) {
  AddLanguageListener(Apply, this);
}

TXLanguageSubscription::~TXLanguageSubscription() { RemoveLanguageListener(Apply, this); }

void TXLanguageSubscription::Apply(TComponent* self) { static_cast<TXLanguageSubscription*>(self)->apply_(); }

}  // namespace xs
