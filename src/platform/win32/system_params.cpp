#include "platform/system_params.h"

#include <windows.h>

#include "platform/system_error.h"

namespace xs {

bool ChangeSystemParameter(uint32_t action, uint32_t ui_param, uint32_t win_ini) {
  SetLastError(0);
  bool ok = SystemParametersInfoA(action, ui_param, nullptr, win_ini) != FALSE;
  DWORD code = ok ? 0 : GetLastError();
  SetLastSystemError(ok ? 0 : code ? static_cast<int>(code) : ERROR_INVALID_PARAMETER);
  return ok;
}

}  // namespace xs
