// A window's hold on the language-change notification for as long as the
// object lives, for windows that are no TXWinForm (the message boxes).
#pragma once

#include <functional>

#include "base/component.h"

namespace xs {

class TXLanguageSubscription : public TComponent {
 public:
  // Subscribes apply, which is called at once and on every language change.
  explicit TXLanguageSubscription(std::function<void()> apply);
  ~TXLanguageSubscription() override;

 private:
  static void Apply(TComponent* self);
  std::function<void()> apply_;
};

}  // namespace xs
