#include "ui/rich_text.h"

namespace xs {

bool IsRichText(std::string_view text) { return text.substr(0, 5) == "{\\rtf"; }

}  // namespace xs
