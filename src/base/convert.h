// Text to number conversions and text comparisons with the program's rules.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace xs {

// A signed 32-bit integer written in decimal, or in hexadecimal after "$" or
// "0x", with an optional sign. Anything else (blanks included, or a value out
// of range) is not a number.
std::optional<int32_t> TryStrToInt(const std::string& text);
inline int32_t StrToIntDef(const std::string& text, int32_t def) { return TryStrToInt(text).value_or(def); }

// n divided by ten until it is below 1, the way script texts turn the digits
// after a point into a fraction: 5 gives 0.5, 25 gives 0.25, 10 gives 0.1
// (so leading zeros count for nothing). Numbers below 1 (0 and negatives)
// come back unchanged.
double DigitFraction(int64_t n);

// Compares byte by byte with the ASCII letters folded to upper case: < 0, 0
// or > 0. Other bytes compare by their unsigned value, so the order does not
// depend on the user's locale.
int CompareText(std::string_view a, std::string_view b);
inline bool SameText(std::string_view a, std::string_view b) {
  return a.size() == b.size() && CompareText(a, b) == 0;
}

}  // namespace xs
