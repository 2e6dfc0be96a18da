#include "platform/codepage.h"

namespace xs {

size_t CharLength(const std::string&, size_t) { return 1; }

std::string AnsiUpperCase(const std::string& text) {
  std::string out = text;
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

}  // namespace xs
