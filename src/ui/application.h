// The application object: owner of the engine and the data module, and the
// one message loop of the program.
#pragma once

#include <string>

#include "base/component.h"
#include "platform/util_window.h"

namespace xs {

class TApplication : public TComponent {
 public:
  std::string Title;
  bool ShowMainForm = true;
  // The program's own application window, which messages meant for other
  // programs' windows pass over; 0 while there is none.
  WindowHandle Handle = 0;

  // Runs the message loop until Terminate is called.
  void Run();
  // Ends the message loop after the current message.
  void Terminate();
  bool Terminated() const { return terminated_; }

  // Frees everything the application owns, last first.
  void DestroyComponents();

 private:
  bool terminated_ = false;
};

// The process-wide application object.
TApplication& Application();

}  // namespace xs
