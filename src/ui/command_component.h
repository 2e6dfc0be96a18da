// Components that take string and integer commands, and components that own
// a hidden utility window.
#pragma once

#include "base/command_types.h"
#include "base/component.h"
#include "platform/util_window.h"

namespace xs {

class TXCommandComponent : public TComponent {
 public:
  using TComponent::TComponent;

  TXCommandEvent OnCommand;
  TXIntCommandEvent OnIntCommand;

  // Delivers the command after control has returned to the message loop:
  // first to DoIntCommand (20 ms), then to OnIntCommand when assigned (50 ms).
  void PostIntCommand(int monitor, TXHitType hit, const std::string& hit_name, int command,
                      const std::string& args);

 protected:
  virtual void DoCommand(int monitor, TXHitType hit, const std::string& hit_name,
                         const std::string& command, const std::string& args) {}
  virtual void DoIntCommand(int monitor, TXHitType hit, const std::string& hit_name, int command,
                            const std::string& args) {}
};

class TXHandleComponent : public TXCommandComponent {
 public:
  explicit TXHandleComponent(TComponent* owner = nullptr);
  ~TXHandleComponent() override;

  WindowHandle Handle() const { return handle_; }

 protected:
  // Gets every message sent to the utility window; passes it to the
  // system's default handling.
  virtual void WndProc(TMessage& message);

 private:
  WindowHandle handle_;
};

}  // namespace xs
