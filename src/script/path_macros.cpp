#include "script/path_macros.h"

namespace xs {

std::string ExpandPathMacros(const std::string& text) { return text; }

}  // namespace xs
