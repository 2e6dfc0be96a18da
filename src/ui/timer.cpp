#include "ui/timer.h"

#include "ui/application.h"

namespace xs {

TTimer::~TTimer() { KillWindowTimer(id_); }

void TTimer::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Update();
}

void TTimer::SetInterval(uint32_t ms) {
  if (interval_ == ms) return;
  interval_ = ms;
  Update();
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
  on_timer_ = std::move(handler);
  Update();
}

void TTimer::Update() {
  KillWindowTimer(id_);
  id_ = 0;
  if (enabled_ && interval_ > 0 && on_timer_) id_ = StartWindowTimer(interval_, [this] { Timer(); });
}

void TTimer::Timer() {
  if (on_timer_) on_timer_(this);
}

void TXStartTimer::Timer() {
  SetEnabled(false);
  // Destroyed even when the handler raises; the exception goes on up.
  struct Destroy {
    TXStartTimer* self;
    ~Destroy() { delete self; }
  } destroy{this};
  TTimer::Timer();
}

TXStartComponentTimer::TXStartComponentTimer(TComponent* owner) : TXStartTimer(owner) {
  SetEnabled(false);
  SetOnTimer([this](TObject*) { DoTimer(); });
}

void TXIntCommandTimer::DoTimer() {
  if (Target) Target(nullptr, Monitor, Hit, HitName, Command, Args);
}

void StartTimer(uint32_t interval_ms, TNotifyEvent handler) {
  auto* timer = new TXStartTimer(&Application());
  timer->SetEnabled(false);
  timer->SetInterval(interval_ms);
  timer->SetOnTimer(std::move(handler));
  timer->SetEnabled(true);
}

}  // namespace xs
