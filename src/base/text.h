// Byte-text helpers with the program's rules: only the ASCII letters have a
// case, and blanks are every byte up to 32, so results never depend on the
// user's locale.
#pragma once

#include <string>
#include <string_view>

namespace xs {

// The position of the first occurrence of pattern at or after from, letters
// compared in any case when ignore_case is set; npos when there is none or
// pattern is empty.
size_t FindText(std::string_view text, std::string_view pattern, size_t from, bool ignore_case);

// Every occurrence of pattern replaced by value, scanning left to right;
// the replaced parts are not searched again. An empty pattern changes
// nothing.
std::string ReplaceAll(std::string_view text, std::string_view pattern, std::string_view value, bool ignore_case);

// The text without leading and trailing bytes up to 32.
std::string Trim(std::string_view text);

// The text with A-Z lowered, respectively a-z raised; other bytes stay.
std::string AsciiLowerCase(std::string_view text);
std::string AsciiUpperCase(std::string_view text);

// The value of a hexadecimal digit in either case; -1 for any other byte.
int HexDigit(char c);

}  // namespace xs
