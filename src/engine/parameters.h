// The command line split into entries, and the switches read from it.
#pragma once

#include <string>

#include "base/string_list.h"

namespace xs {

class TXParameters : public TStringList {
 public:
  // Clears the list and refills it from text. Entry 0 is the program path
  // (added even when empty); further entries are added until one comes out
  // empty. Blanks and control characters separate entries; a double quote
  // starts a quoted run that keeps blanks, up to the next quote (or the end);
  // quotes themselves are dropped and an empty pair between entries is
  // skipped.
  void ParseCommandLine(const std::string& text);
  // Index of the first entry matching name, or -1. A name holding ":" is a
  // prefix (the value follows), compared case-insensitively; any other name
  // must equal the whole entry, ASCII case ignored. Entry 0 takes part.
  int IndexOfSwitch(const std::string& name) const;
  bool HasSwitch(const std::string& name) const { return IndexOfSwitch(name) >= 0; }
  // What follows name in the first matching entry; empty when none matches.
  // A value in double quotes is unquoted ("" inside stands for one quote).
  std::string SwitchValue(const std::string& name) const;
};

// The process-wide list, filled from the process command line on first use.
TXParameters& Parameters();

}  // namespace xs
