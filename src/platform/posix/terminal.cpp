#include "platform/terminal.h"

#include <unistd.h>

namespace xs {

bool ErrorOutputIsTerminal() { return isatty(STDERR_FILENO) == 1; }

}  // namespace xs
