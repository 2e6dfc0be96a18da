#include "ui/command_component.h"

#include "ui/timer.h"

namespace xs {

namespace {
void PostTimer(TComponent* owner, uint32_t interval, TXIntCommandEvent target, int monitor, TXHitType hit,
               const std::string& hit_name, int command, const std::string& args) {
  auto* timer = new TXIntCommandTimer(owner);
  timer->Monitor = monitor;
  timer->Hit = hit;
  timer->HitName = hit_name;
  timer->Command = command;
  timer->Args = args;
  timer->Target = std::move(target);
  timer->SetInterval(interval);
  timer->SetEnabled(true);
}
}  // namespace

void TXCommandComponent::PostIntCommand(int monitor, TXHitType hit, const std::string& hit_name, int command,
                                        const std::string& args) {
  PostTimer(this, 20,
            [this](TObject*, int m, TXHitType h, const std::string& hn, int c, const std::string& a) {
              DoIntCommand(m, h, hn, c, a);
            },
            monitor, hit, hit_name, command, args);
  if (OnIntCommand) PostTimer(this, 50, OnIntCommand, monitor, hit, hit_name, command, args);
}

TXHandleComponent::TXHandleComponent(TComponent* owner)
    : TXCommandComponent(owner), handle_(AllocateHWnd([this](TMessage& m) { WndProc(m); })) {}

TXHandleComponent::~TXHandleComponent() { DeallocateHWnd(handle_); }

void TXHandleComponent::WndProc(TMessage& message) { message.Result = DefaultWindowProc(handle_, message); }

}  // namespace xs
