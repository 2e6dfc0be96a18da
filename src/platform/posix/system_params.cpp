#include "platform/system_params.h"

#include "platform/posix/emulated_machine.h"
#include "platform/system_error.h"

namespace xs {

bool ChangeSystemParameter(uint32_t action, uint32_t ui_param, uint32_t win_ini) {
  RecordSystemParameterChange(TSystemParameterChange{action, ui_param, win_ini});
  SetLastSystemError(0);
  return true;
}

}  // namespace xs
