// Texts that a rich-text viewer shows as rich text, not as plain text.
#pragma once

#include <string_view>

namespace xs {

// True when text is rich text: it begins with "{\rtf".
bool IsRichText(std::string_view text);

}  // namespace xs
