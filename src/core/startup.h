// What the program sets up before its own code runs.
#pragma once

#include <cstdint>
#include <string>

namespace xs {

// Clears the error object, registers the classes the filers read by name
// and the window messages the program uses. The programs then register the
// script classes (script/register.h) and read the environment folders with
// InitializePathMacros (script/path_macros.h).
void InitializeProcess();

// What both programs do first: records the arguments, InitializeProcess,
// the script classes, the path macros, and the application's title.
void StartProgramProcess(int argc, char** argv, const std::string& title);

// The message that asks a running application to show itself.
uint32_t ActivateApplicationMessage();

// Where the package appended to this program starts: the end of the
// program's own image. 0 when that cannot be read.
int64_t OwnPackageOffset();

}  // namespace xs
