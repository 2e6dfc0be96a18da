// TXW: the lines of a words text, "name=value", kept sorted without regard
// to case. Lookups find the first line (in that order) whose name matches,
// so when a pack repeats a key the line that sorts first wins.
#pragma once

#include <string>
#include <string_view>

#include "base/string_list.h"

namespace xs {

class TXW {
 public:
  // Adds line at its sorted place unless a line equal to it, ignoring case,
  // is present already. Returns whether the line was added.
  bool Add(const std::string& line);
  void Clear() { lines_.Clear(); }
  void Assign(const TXW& source) { lines_ = source.lines_; }

  const TStringList& Lines() const { return lines_; }

  // Index of the first line whose name part (the text before its first "=")
  // equals name, ignoring case; -1 when there is none.
  int IndexOfName(std::string_view name) const;
  // The text after the first "=" of line index; empty when it has none.
  std::string ValueFromIndex(int index) const;

 private:
  // First index whose line does not sort before text.
  int LowerBound(std::string_view text) const;

  TStringList lines_;
};

}  // namespace xs
