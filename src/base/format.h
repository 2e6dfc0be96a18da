// Filling translated message templates.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace xs {

// The template with each "%s" replaced by the next argument as it stands,
// each "%d" by the next argument, which must be a decimal integer (an
// optional "-" and digits), and each "%%" by "%". Arguments left over are
// ignored. A template that cannot be filled (too few arguments, a "%d"
// argument that is no number, any other "%" sequence) comes back unchanged,
// so that a faulty translation never loses its message.
std::string FormatTemplate(std::string_view text, std::initializer_list<std::string_view> args);

}  // namespace xs
