#include "platform/codepage.h"

#include "base/text.h"

namespace xs {

size_t CharLength(const std::string&, size_t) { return 1; }

std::string AnsiUpperCase(const std::string& text) { return AsciiUpperCase(text); }

}  // namespace xs
