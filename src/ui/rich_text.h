// Texts that a rich-text viewer shows as rich text, not as plain text.
#pragma once

#include <string_view>

namespace xs {

// True when text is rich text: it begins with "{\rtf".
bool IsRichText(std::string_view text);

// Whether a link clicked in a viewer is a mail link (it holds "mailto:",
// in any case).
bool IsMailLink(std::string_view link);

}  // namespace xs
