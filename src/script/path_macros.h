// Path macros: words in angle brackets ("<install>", "<pf>", "<tmp>", ...)
// that stand for folders of the target machine and of the run.
#pragma once

#include <string>

namespace xs {

// The text with its path macros replaced by the folders they stand for.
// For now no expander is known and the text comes back as it is.
std::string ExpandPathMacros(const std::string& text);

}  // namespace xs
