// TXLg, the language table: the words of one language and the lookup every
// user-visible text goes through. There is one active table in the process;
// language packs are loaded into it (see the language wizard).
//
// A words text is lines separated by CR LF (a lone CR or LF also ends one):
//   LangID=$0009        the language id, decimal or "$" hexadecimal, plain
//   LangName=English    display name, plain; nothing reads it
//   key=<digit pairs>   one per translation key (lang/digit_pairs.h)
// A decoded value may hold "#13#10", which stands for a line break.
#pragma once

#include <string>
#include <string_view>

#include "base/stream.h"
#include "lang/lg_header.h"
#include "lang/word_list.h"

namespace xs {

class TXLg {
 public:
  TXLg() = default;
  TXLg(const TXLg&) = delete;
  TXLg& operator=(const TXLg&) = delete;

  // The decoded text of key, with every "#13#10" turned into CR LF; empty
  // when the key is missing (there is no fallback to another language).
  std::string Translate(std::string_view key) const;
  // The "LangID" line's value read as a number; -1 when the line is
  // missing or its value is not a number.
  int ActiveLangID() const;

  // Empties the words and the items.
  void Clear();
  // Reads stream (from its start when rewind is set) to its end and adds
  // every line to the words, merged with what is there. The text is read
  // whole first, so a stream that fails leaves the words as they were;
  // nothing is reported. Then, when NotifyOnLoad is set and this is the
  // active table, fires the language-change notification (also after a
  // failed read).
  void LoadWords(TStream& stream, bool rewind);
  // Copies the words, the items and NotifyOnLoad; notifies when this is the
  // active table.
  void Assign(const TXLg& source);
  // Appends a data item named name holding a copy of data. On success returns
  // its index. On failure (the data cannot be read) the item is removed again
  // and the result is -1.
  int AddItem(const std::string& name, const TXStreamObject& data);

  const TXW& Words() const { return words_; }
  const TXBCollection& Items() const { return items_; }
  bool IsActive() const;

  bool NotifyOnLoad = true;

 private:
  TXW words_;
  TXBCollection items_;
};

// The process-wide active table. Empty until the built-in pack is loaded.
TXLg& ActiveLg();

// Process-wide id of the language that language lists put first; 9 until set.
int PreferredLgID();
void SetPreferredLgID(int id);

}  // namespace xs
