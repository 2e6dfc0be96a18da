#include "platform/posix/escape.h"

#include "base/text.h"

namespace xs {

std::string EscapeField(const std::string& text) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    auto b = static_cast<unsigned char>(c);
    if (b <= 0x20 || b == '%' || b >= 0x7F) {
      out += '%';
      out += kHex[b >> 4];
      out += kHex[b & 15];
    } else {
      out += c;
    }
  }
  return out;
}

std::optional<std::string> UnescapeField(const std::string& field) {
  std::string out;
  out.reserve(field.size());
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '%') {
      out += field[i];
      continue;
    }
    if (i + 2 >= field.size()) return std::nullopt;
    int hi = HexDigit(field[i + 1]), lo = HexDigit(field[i + 2]);
    if (hi < 0 || lo < 0) return std::nullopt;
    out += static_cast<char>(hi << 4 | lo);
    i += 2;
  }
  return out;
}

}  // namespace xs
