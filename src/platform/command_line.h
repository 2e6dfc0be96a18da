// What the process was started with.
#pragma once

#include <string>

namespace xs {

// The whole command line as one string, program path first, as the system
// passed it (on POSIX: argv re-joined with quotes around entries holding
// blanks, so that it splits back the same way).
std::string ProcessCommandLine();

// Full path of the running program's own file.
std::string ProgramFileName();

// POSIX only: records argc/argv for ProcessCommandLine. Windows reads the
// command line from the system and ignores this.
void SetProcessArguments(int argc, char** argv);

}  // namespace xs
