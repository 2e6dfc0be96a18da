// Window timers and the one-shot timers the engine is started by.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "base/command_types.h"
#include "base/component.h"
#include "platform/message_loop.h"

namespace xs {

// A periodic timer of the user-interface thread; it runs while Enabled,
// Interval > 0 and OnTimer is assigned.
class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* owner = nullptr) : TComponent(owner) {}
  ~TTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  uint32_t Interval() const { return interval_; }
  void SetInterval(uint32_t ms);
  void SetOnTimer(TNotifyEvent handler);

 protected:
  virtual void Timer();
  TNotifyEvent on_timer_;

 private:
  void Update();

  bool enabled_ = true;
  uint32_t interval_ = 1000;
  TimerId id_ = 0;
};

// Fires once: disables itself, calls OnTimer, then destroys itself.
class TXStartTimer : public TTimer {
 public:
  using TTimer::TTimer;

 protected:
  void Timer() override;
};

// Calls its own DoTimer when it fires.
class TXStartComponentTimer : public TXStartTimer {
 public:
  explicit TXStartComponentTimer(TComponent* owner = nullptr);

 protected:
  virtual void DoTimer() {}
};

// Delivers one deferred integer command to its target.
class TXIntCommandTimer : public TXStartComponentTimer {
 public:
  using TXStartComponentTimer::TXStartComponentTimer;

  int Monitor = 0;
  TXHitType Hit = 0;
  std::string HitName;
  int Command = 0;
  std::string Args;
  TXIntCommandEvent Target;

 protected:
  void DoTimer() override;
};

// Starts a one-shot timer owned by the application object.
void StartTimer(uint32_t interval_ms, TNotifyEvent handler);

}  // namespace xs
