// Changing system-wide parameters (the SystemParametersInfo actions that
// take their value in the number argument and no buffer).
#pragma once

#include <cstdint>

namespace xs {

// win_ini flags, with the system's values.
enum : uint32_t { spifUpdateIniFile = 0x1, spifSendChange = 0x2 };

// On success the system applied the action with ui_param and true is
// returned. On failure (an action the system refuses) returns false with
// the error number set. The POSIX emulation records the call (emulation.h)
// and accepts it.
bool ChangeSystemParameter(uint32_t action, uint32_t ui_param, uint32_t win_ini);

}  // namespace xs
