// Starting a program with administrator rights.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace xs {

// Starts program (by its full path) with parameters (one string, split by
// the program as its command line) with administrator rights, the system
// asking the user's consent as it does, in this process's current folder;
// waits until it ends. Returns its exit code. On failure returns nullopt
// with the error number set: kErrCancelled when the user refused.
// Windows asks with the "runas" verb; the POSIX emulation has no second
// user and starts the program as a plain process.
std::optional<uint32_t> RunElevated(const std::string& program, const std::string& parameters);

}  // namespace xs
