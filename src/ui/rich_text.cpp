#include "ui/rich_text.h"

#include "base/text.h"

namespace xs {

bool IsRichText(std::string_view text) { return text.substr(0, 5) == "{\\rtf"; }

bool IsMailLink(std::string_view link) { return AsciiLowerCase(link).find("mailto:") != std::string::npos; }

}  // namespace xs
