#include "base/text.h"

#include <gtest/gtest.h>

namespace xs {
namespace {

TEST(Text, ReplaceAllScansOnceLeftToRight) {
  const struct {
    const char *text, *pattern, *value;
    bool ignore_case;
    const char* expected;
  } cases[] = {
      {"aaa", "a", "aa", false, "aaaaaa"},  // replaced parts are not searched again
      {"<pf>x<PF>", "<pf>", "P", false, "Px<PF>"},
      {"<pf>x<PF><pF>", "<pf>", "P", true, "PxPP"},
      {"abab", "aba", "X", false, "Xb"},
      {"text", "", "X", true, "text"},
      {"", "a", "X", false, ""},
      {"\xC4<pf>\xE4", "<PF>", "-", true, "\xC4-\xE4"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ReplaceAll(c.text, c.pattern, c.value, c.ignore_case), c.expected) << c.text << " " << c.pattern;
}

TEST(Text, FindTextFoldsOnlyAsciiLetters) {
  EXPECT_EQ(FindText("xx<SHORT>", "<short>", 0, true), 2u);
  EXPECT_EQ(FindText("xx<SHORT>", "<short>", 0, false), std::string::npos);
  EXPECT_EQ(FindText("ab", "ab", 1, true), std::string::npos);
  EXPECT_EQ(FindText("ab", "b", 5, true), std::string::npos);
  EXPECT_EQ(FindText("\xC4", "\xE4", 0, true), std::string::npos);
  EXPECT_EQ(FindText("[@]", "[`]", 0, true), std::string::npos);  // '@' and '`' are no letters
}

TEST(Text, TrimAndAsciiCase) {
  EXPECT_EQ(Trim(" \t\r\n a b \x01\x20"), "a b");
  EXPECT_EQ(Trim("\x7F x \xA0"), "\x7F x \xA0");  // only bytes up to 32
  EXPECT_EQ(Trim(" \n "), "");
  EXPECT_EQ(AsciiLowerCase("C:\\Dir\xC4@[Z"), "c:\\dir\xC4@[z");
  EXPECT_EQ(AsciiUpperCase("c:\\dir\xE4`{a"), "C:\\DIR\xE4`{A");
}

}  // namespace
}  // namespace xs
