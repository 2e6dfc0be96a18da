#include "base/format.h"

namespace xs {

namespace {
bool IsDecimal(std::string_view text) {
  if (!text.empty() && text.front() == '-') text.remove_prefix(1);
  if (text.empty()) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}
}  // namespace

std::string FormatTemplate(std::string_view text, std::initializer_list<std::string_view> args) {
  std::string out;
  out.reserve(text.size());
  const std::string_view* next = args.begin();
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    char kind = i + 1 < text.size() ? text[i + 1] : '\0';
    ++i;
    if (kind == '%') {
      out += '%';
    } else if ((kind == 's' || kind == 'd') && next != args.end()) {
      if (kind == 'd' && !IsDecimal(*next)) return std::string(text);
      out += *next++;
    } else {
      return std::string(text);
    }
  }
  return out;
}

}  // namespace xs
