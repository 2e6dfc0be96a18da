// Whether a program's output goes to a person at a terminal or into a file
// or pipe, so that it can redraw one status line in place only where that
// is seen as such.
#pragma once

namespace xs {

// True when the standard error output is a terminal (a console window on
// Windows), false when it is a file, a pipe or closed.
bool ErrorOutputIsTerminal();

}  // namespace xs
