// The message the uninstall program ends with.
#pragma once

#include <string>
#include <vector>

namespace xs {

// The most parts the message names; the rest are counted.
inline constexpr size_t kResultListLength = 10;

// The translated result for the program titled title: done when remaining
// is empty; else incomplete, followed by the display texts of the records
// that remain, one a line, in the order given, at most kResultListLength of
// them and then a line that counts the others.
std::string UninstallResultText(const std::string& title, const std::vector<std::string>& remaining);

}  // namespace xs
