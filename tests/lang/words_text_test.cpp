#include "lang/words_text.h"

#include <gtest/gtest.h>

#include "lang/digit_pairs.h"

namespace xs {
namespace {

TEST(WordsTextTest, EncodesKeyValuesAndKeepsTheLanguageLinesPlain) {
  std::string plain = "LangID=$0009\nlangname=English\n\nycnextbutton=Next\r\nytwelcometxt=a=b#13#10\rycemptytextx=\n";
  std::string encoded = EncodeWordsText(plain);
  EXPECT_EQ(encoded, "LangID=$0009\r\nlangname=English\r\nycnextbutton=" + EncodeDigitPairs("Next") +
                         "\r\nytwelcometxt=" + EncodeDigitPairs("a=b#13#10") + "\r\nycemptytextx=\r\n");
  EXPECT_EQ(DecodeWordsText(encoded),
            "LangID=$0009\r\nlangname=English\r\nycnextbutton=Next\r\nytwelcometxt=a=b#13#10\r\nycemptytextx=\r\n");
  EXPECT_EQ(EncodeWordsText(DecodeWordsText(encoded)), encoded);
}

TEST(WordsTextTest, EveryByteOfATextSurvivesTheRoundTrip) {
  std::string text;
  for (int b = 1; b < 256; ++b)
    if (b != '\r' && b != '\n') text.push_back(static_cast<char>(b));
  std::string plain = "LangID=7\r\nLangName=Deutsch\r\nytwelcometxt=" + text + "\r\n";
  EXPECT_EQ(DecodeWordsText(EncodeWordsText(plain)), plain);
}

TEST(WordsTextTest, CheckNamesTheFaultyLine) {
  struct Case {
    std::string file;
    std::string error;  // empty: the file is sound
  } cases[] = {
      {"LangID=9\nLangName=English\n\nycnextbutton=Next\nycbackbutton=\n", ""},
      {"LangID=$0C\nLangName=Français\n", ""},
      {"LangID=9\nLangName=English\nycnextbutton Next\n", "line 3: no \"=\" in the line"},
      {"LangID=nine\nLangName=English\n", "line 1: LangID \"nine\" is not a number"},
      {"LangID=9\nLangID=9\nLangName=English\n", "line 2: a second LangID line"},
      {"LangID=9\nLangName=\n", "line 2: LangName is empty"},
      {"LangID=9\nLangName=English\nycnextbutton=Next\nycnextbutton=Weiter\n",
       "line 4: key \"ycnextbutton\" appears twice"},
      {"LangID=9\nLangName=English\nYcnextbutton=Next\n", "line 3: \"Ycnextbutton\" is not a translation key"},
      {"LangID=9\nLangName=English\nyxnextbutton=Next\n", "line 3: \"yxnextbutton\" is not a translation key"},
      {"LangID=9\nLangName=English\nycnextbutto=Next\n", "line 3: \"ycnextbutto\" is not a translation key"},
      {"LangName=English\n", "no LangID line"},
      {"LangID=9\n", "no LangName line"},
  };
  for (const auto& c : cases) {
    std::string error;
    EXPECT_EQ(CheckWordsFile(c.file, error), c.error.empty()) << c.file;
    EXPECT_EQ(error.substr(0, c.error.size()), c.error) << c.file;
  }
}

}  // namespace
}  // namespace xs
