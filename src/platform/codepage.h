// Rules of the system's 8-bit code page.
#pragma once

#include <string>

namespace xs {

// Length in bytes of the character starting at text[pos] (2 for the lead
// byte of a double-byte character followed by its trail byte, else 1).
size_t CharLength(const std::string& text, size_t pos);

// Upper-cases with the code page's rules (ASCII only on POSIX).
std::string AnsiUpperCase(const std::string& text);

}  // namespace xs
