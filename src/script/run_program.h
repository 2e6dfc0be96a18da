// Running a program from the script.
#pragma once

#include <string>

namespace xs {

// Starts file_name with parameters (the command line is file_name in double
// quotes, a blank, then parameters) in working_folder, or in file_name's
// folder when that is empty; minimized asks for a minimized window. Then
// waits, when asked, until the program is idle and until it ends; while it
// waits for the end, this thread's window messages are let through so the
// setup's windows stay responsive. The exit code is not looked at.
// On success returns true. On failure (the program cannot start) returns
// false with the system's error number in LastSystemError().
bool RunProgram(const std::string& file_name, const std::string& parameters, const std::string& working_folder,
                bool minimized, bool wait_for_input_idle, bool wait_for_exit);

}  // namespace xs
