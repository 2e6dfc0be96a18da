#include "lang/builtin_words.h"

#include "lang/words_text.h"

namespace xs {

const std::string& BuiltInWordsText() {
  static const std::string text = EncodeWordsText(BuiltInWordsFile());
  return text;
}

}  // namespace xs
