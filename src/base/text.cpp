#include "base/text.h"

namespace xs {

namespace {
char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - ('a' - 'A')) : c; }
char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }
}  // namespace

size_t FindText(std::string_view text, std::string_view pattern, size_t from, bool ignore_case) {
  if (pattern.empty() || from > text.size() || text.size() - from < pattern.size()) return std::string_view::npos;
  if (!ignore_case) return text.find(pattern, from);
  for (size_t i = from; i + pattern.size() <= text.size(); ++i) {
    size_t n = 0;
    while (n < pattern.size() && Upper(text[i + n]) == Upper(pattern[n])) ++n;
    if (n == pattern.size()) return i;
  }
  return std::string_view::npos;
}

std::string ReplaceAll(std::string_view text, std::string_view pattern, std::string_view value, bool ignore_case) {
  std::string out;
  size_t pos = 0;
  for (size_t hit; (hit = FindText(text, pattern, pos, ignore_case)) != std::string_view::npos;
       pos = hit + pattern.size()) {
    out.append(text, pos, hit - pos);
    out += value;
  }
  out.append(text, pos);
  return out;
}

std::string Trim(std::string_view text) {
  size_t begin = 0, end = text.size();
  while (begin < end && static_cast<unsigned char>(text[begin]) <= 32) ++begin;
  while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 32) --end;
  return std::string(text.substr(begin, end - begin));
}

std::string AsciiLowerCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = Lower(c);
  return out;
}

std::string AsciiUpperCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = Upper(c);
  return out;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace xs
