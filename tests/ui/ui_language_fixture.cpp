#include "ui_language_fixture.h"

#include <algorithm>

#include "base/stream.h"
#include "lang/builtin_words.h"
#include "lang/digit_pairs.h"

namespace xs {

namespace {
void LoadWordsText(const std::string& words) {
  TMemoryStream stream(std::vector<uint8_t>(words.begin(), words.end()));
  ActiveLg().LoadWords(stream, true);
}
}  // namespace

void UiLanguageTest::SetUp() {
  saved_.NotifyOnLoad = false;
  saved_.Assign(ActiveLg());
  ActiveLg().Clear();
  LoadWordsText(BuiltInWordsText());
}

void UiLanguageTest::TearDown() { ActiveLg().Assign(saved_); }

void UiLanguageTest::SetWord(const std::string& key, const std::string& text) {
  // Of two lines with one key the first in sort order wins: the line is
  // replaced, not added.
  std::string words = BuiltInWordsText();
  const size_t start = words.find(key + "=");
  ASSERT_NE(start, std::string::npos) << key;
  const size_t end = std::min(words.find_first_of("\r\n", start), words.size());
  words.replace(start, end - start, key + "=" + EncodeDigitPairs(text));
  ActiveLg().Clear();
  LoadWordsText(words);
}

}  // namespace xs
