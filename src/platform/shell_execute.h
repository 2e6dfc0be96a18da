// Starting a file or a link through the shell, which picks the program
// registered for it.
#pragma once

#include <string>

namespace xs {

// Asks the shell to carry out verb ("open", or empty for the file's
// default) on file with parameters. On success returns true. On failure
// (no program for it, the file missing, the start refused) returns false
// and sets the error number. The POSIX emulation has no shell: it fails
// with "not supported".
bool ShellExecuteFile(const std::string& verb, const std::string& file, const std::string& parameters);

}  // namespace xs
