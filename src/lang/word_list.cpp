#include "lang/word_list.h"

#include "base/convert.h"

namespace xs {

int TXW::LowerBound(std::string_view text) const {
  int low = 0, high = lines_.Count();
  while (low < high) {
    int mid = low + (high - low) / 2;
    if (CompareText(lines_[mid], text) < 0) low = mid + 1;
    else high = mid;
  }
  return low;
}

bool TXW::Add(const std::string& line) {
  int at = LowerBound(line);
  if (at < lines_.Count() && SameText(lines_[at], line)) return false;
  lines_.Insert(at, line);
  return true;
}

int TXW::IndexOfName(std::string_view name) const {
  // A name never holds "="; and the lines named name all begin with
  // name + "=", so in the sorted order they follow each other from the
  // first line not sorting before that prefix.
  if (name.find('=') != std::string_view::npos) return -1;
  std::string prefix(name);
  prefix += '=';
  int at = LowerBound(prefix);
  if (at < lines_.Count() && SameText(std::string_view(lines_[at]).substr(0, prefix.size()), prefix))
    return at;
  return -1;
}

std::string TXW::ValueFromIndex(int index) const {
  const std::string& line = lines_[index];
  size_t eq = line.find('=');
  return eq == std::string::npos ? std::string() : line.substr(eq + 1);
}

}  // namespace xs
