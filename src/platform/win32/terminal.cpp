#include "platform/terminal.h"

#include <windows.h>

namespace xs {

bool ErrorOutputIsTerminal() {
  HANDLE handle = GetStdHandle(STD_ERROR_HANDLE);
  DWORD mode = 0;
  // A console answers GetConsoleMode; a file, a pipe or the NUL device
  // (also of character type) does not.
  return handle && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

}  // namespace xs
