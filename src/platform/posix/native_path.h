// Windows-style paths in the POSIX emulation.
#pragma once

#include <string>

namespace xs {

// Scripts and item code build paths with "\"; the emulation treats it as a
// folder separator like "/" (Windows file names cannot hold it anyway).
std::string NativePath(const std::string& path);

}  // namespace xs
