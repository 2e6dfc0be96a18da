#include "ui/application.h"

#include "platform/message_loop.h"

namespace xs {

void TApplication::Run() {
  terminated_ = false;
  RunMessageLoop();
}

void TApplication::Terminate() {
  terminated_ = true;
  QuitMessageLoop();
}

void TApplication::DestroyComponents() {
  while (!Components().empty()) delete Components().back();
}

TApplication& Application() {
  // Never destroyed by static destruction: the program frees what it owns
  // with DestroyComponents while the platform is still there.
  static TApplication& app = *new TApplication;
  return app;
}

}  // namespace xs
