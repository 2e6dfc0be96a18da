#include "package/crc32.h"

#include <gtest/gtest.h>

#include "base/error.h"

namespace xs {
namespace {

class ChecksumTest : public ::testing::Test {
 protected:
  void SetUp() override { XError().Clear(); }
};

TEST_F(ChecksumTest, KnownValuesAndNoBytes) {
  uint32_t crc = 1;
  EXPECT_TRUE(CRC32Buffer("123456789", 9, crc));
  EXPECT_EQ(crc, 0xCBF43926u);
  EXPECT_TRUE(CRC32Buffer(nullptr, 0, crc));
  EXPECT_EQ(crc, 0u);
  TMemoryStream empty;
  EXPECT_TRUE(VerifyCRC32Stream(empty, 0));
}

TEST_F(ChecksumTest, StreamRangesMatchBuffersAcrossBlockBoundaries) {
  std::vector<uint8_t> bytes(100000);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 7 + i / 251);
  TMemoryStream s(bytes);
  for (int64_t count : {0, 1, 32767, 32768, 32769, 65536 + 5, 99000}) {
    for (int64_t offset : {0, 3, 1000}) {
      uint32_t from_stream = 0;
      ASSERT_TRUE(CRC32StreamRange(s, from_stream, false, count, offset)) << count << "@" << offset;
      EXPECT_EQ(from_stream, CRC32Update(0, bytes.data() + offset, count)) << count << "@" << offset;
    }
  }
  uint32_t whole = 0;
  EXPECT_TRUE(CRC32Stream(s, whole));
  EXPECT_EQ(whole, CRC32Update(0, bytes.data(), static_cast<int64_t>(bytes.size())));
}

TEST_F(ChecksumTest, UnreadableRangeGivesTenAndMismatchElevenReplacingEarlierCodes) {
  TMemoryStream s(std::vector<uint8_t>(10, 1));
  uint32_t crc = 0;
  XError().SetError(errLoad);
  EXPECT_FALSE(CRC32StreamRange(s, crc, false, 11, 0));
  EXPECT_EQ(XError().GetCode(), errChecksumRead);
  EXPECT_FALSE(CRC32StreamRange(s, crc, false, 5, -1));
  EXPECT_EQ(XError().GetCode(), errChecksumRead);
  EXPECT_FALSE(VerifyCRC32Buffer("abc", 3, 0));
  EXPECT_EQ(XError().GetCode(), errChecksum);
  EXPECT_THROW(VerifyCRC32Stream(s, 0, true), EXError);
  EXPECT_EQ(XError().GetCode(), errChecksum);
  // A checksum computed successfully clears the code again.
  EXPECT_TRUE(CRC32StreamRange(s, crc, false, 10, 0));
  EXPECT_EQ(XError().GetCode(), errNone);
}

}  // namespace
}  // namespace xs
