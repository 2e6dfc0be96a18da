#include "lang/digit_pairs.h"

#include <gtest/gtest.h>

namespace xs {
namespace {

TEST(DigitPairsTest, DecodesPairsByTheAlphabetAsWritten) {
  struct Case {
    std::string value;
    std::string text;
  } cases[] = {
      {"", ""},
      {"1T", "A"},                 // 1 * 36 + 29
      {"1V1U", "BC"},              // V is digit 30 and U digit 31
      {"1T1", "A"},                // odd trailing character dropped
      {"7", ""},
      {"73", "\xFF"},              // 255
      {"ZZ", "\x0F"},              // 1295: low 8 bits
      {std::string("00", 2), std::string("\0", 1)},
      {"a0", "\xDC"},              // lower case is outside: -1 * 36 + 0 = -36
      {"!!", "\xDB"},              // -37
      {"0!", "\xFF"},              // -1
  };
  for (const auto& c : cases) EXPECT_EQ(DecodeDigitPairs(c.value), c.text) << c.value;
}

TEST(DigitPairsTest, EveryByteRoundTripsThroughAlphabetCharacters) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  std::string encoded = EncodeDigitPairs(all);
  ASSERT_EQ(encoded.size(), 512u);
  EXPECT_EQ(encoded.find_first_not_of("0123456789ABCDEFGHIJKLMNOPQRSTVUWXYZ"), std::string::npos);
  EXPECT_EQ(DecodeDigitPairs(encoded), all);
  EXPECT_EQ(EncodeDigitPairs("ABC"), "1T1V1U");
}

}  // namespace
}  // namespace xs
