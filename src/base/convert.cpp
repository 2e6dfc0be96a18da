#include "base/convert.h"

namespace xs {

std::optional<int32_t> TryStrToInt(const std::string& text) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  unsigned base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i == text.size()) return std::nullopt;
  uint64_t value = 0;
  for (; i < text.size(); ++i) {
    char c = text[i];
    unsigned digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else return std::nullopt;
    value = value * base + digit;
    if (value > 0xFFFFFFFFull) return std::nullopt;
  }
  if (base == 16 && !negative) return static_cast<int32_t>(static_cast<uint32_t>(value));
  if (negative ? value > 0x80000000ull : value > 0x7FFFFFFFull) return std::nullopt;
  return static_cast<int32_t>(negative ? -static_cast<int64_t>(value) : static_cast<int64_t>(value));
}

int CompareText(std::string_view a, std::string_view b) {
  auto upper = [](char c) {
    unsigned char u = static_cast<unsigned char>(c);
    return u >= 'a' && u <= 'z' ? u - ('a' - 'A') : u;
  };
  size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    int d = static_cast<int>(upper(a[i])) - static_cast<int>(upper(b[i]));
    if (d != 0) return d;
  }
  return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

double DigitFraction(int64_t n) {
  double f = static_cast<double>(n);
  while (f >= 1) f /= 10;
  return f;
}

}  // namespace xs
