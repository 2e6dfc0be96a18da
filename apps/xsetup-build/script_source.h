// Reading an install script source: plain text made of object-text blocks,
// the first the TXInstall, each further one an item, in script order.
// Blank lines and lines starting with "//" may stand between blocks.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "script/install.h"

namespace xs {

// A fault in a script source, at a 1-based line (0: the source as a whole).
struct TScriptError {
  int Line = 0;
  std::string Message;
};

// Fills script from source. Every property must name a published or defined
// property of its object; the first block must be a TXInstall and every
// further one an item class. On success returns true. On failure returns
// false with the first fault in error; script is then unspecified. When
// block_lines is given, it receives on success the line each block starts
// on: the script's, then one per item in the order of script.Items, for
// messages about what the blocks name.
bool ReadScriptSource(const std::string& source, TXInstall& script, TScriptError& error,
                      std::vector<int>* block_lines = nullptr);

}  // namespace xs
