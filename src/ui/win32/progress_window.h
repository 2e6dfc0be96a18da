// The system's progress window (ui/progress_window.h), made in code in the
// style of the message boxes.
#pragma once

#include <memory>
#include <string>

#include "ui/progress_window.h"

namespace xs {

// Shows the window, centred and always on top; null when the system
// refuses it.
std::unique_ptr<TXProgressView> NewProgressWindow(const std::string& caption);

}  // namespace xs
