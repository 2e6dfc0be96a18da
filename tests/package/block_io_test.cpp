#include "package/block_io.h"

#include <gtest/gtest.h>

#include <string>

#include "base/error.h"
#include "package/crc32.h"
#include "package/sub_stream.h"

namespace xs {
namespace {

class BlockTest : public ::testing::Test {
 protected:
  void SetUp() override { XError().Clear(); }
  std::string text_ = std::string(70000, 'q') + "tail";
};

TEST_F(BlockTest, SubStreamIsAWindowWithRelativePositions) {
  TMemoryStream base(std::vector<uint8_t>{'0', '1', '2', '3', '4', '5', '6', '7', '8', '9'});
  TXSubStream w(base, 4, 3);
  EXPECT_EQ(w.Size(), 4);
  EXPECT_EQ(w.Seek(0, SeekOrigin::Begin), 0);
  EXPECT_EQ(base.Position(), 3);
  char buf[10] = {};
  EXPECT_EQ(w.Read(buf, 10), 4);
  EXPECT_EQ(std::string(buf), "3456");
  EXPECT_EQ(w.Read(buf, 10), 0);
  EXPECT_EQ(w.Seek(-1, SeekOrigin::End), 3);
  EXPECT_EQ(w.Seek(-1, SeekOrigin::Current), 2);
  EXPECT_EQ(w.Seek(-3, SeekOrigin::Current), -1);
  EXPECT_EQ(w.Position(), 2);
  w.SetSize(100);
  EXPECT_EQ(w.Size(), 7);  // what the base holds behind the offset
  w.SetSize(-5);
  EXPECT_EQ(w.Size(), 0);
  EXPECT_EQ(TXSubStream(base, 5, 20).Size(), 0);
}

TEST_F(BlockTest, BlocksRoundTripCompressedAndRaw) {
  for (int level : {0, 1, 2, 3}) {
    TMemoryStream s;
    s.WriteBuffer("prefix", 6);
    int64_t start = -1, stored = -1;
    uint32_t crc = 0;
    ASSERT_TRUE(WriteBufferWithCRC(s, start, stored, crc, false, nullptr, level, static_cast<int64_t>(text_.size()),
                                   text_.data()));
    EXPECT_EQ(start, 6);
    EXPECT_EQ(stored, s.Size() - 6);
    if (level == 0) {
      EXPECT_EQ(stored, static_cast<int64_t>(text_.size()));
    }
    EXPECT_EQ(crc, CRC32Update(0, text_.data(), static_cast<int64_t>(text_.size())));

    TMemoryStream out;
    EXPECT_TRUE(ReadStreamWithCRC(s, out, level != 0, false, nullptr, stored, start, crc));
    EXPECT_EQ(std::string(out.Bytes().begin(), out.Bytes().end()), text_);
    std::string buffer(text_.size(), '\0');
    EXPECT_TRUE(ReadBufferWithCRC(s, buffer.data(), level != 0, false, nullptr,
                                  static_cast<int64_t>(text_.size()), start, crc));
    EXPECT_EQ(buffer, text_);
  }
}

TEST_F(BlockTest, StreamSourcesAndEmptyBlocks) {
  TMemoryStream source(std::vector<uint8_t>(text_.begin(), text_.end()));
  TMemoryStream s;
  int64_t start = 0, stored = -1;
  uint32_t crc = 7;
  EXPECT_TRUE(WriteStreamWithCRC(s, start, stored, crc, false, nullptr, 2, 0, 0, source));
  EXPECT_EQ(stored, 0);
  EXPECT_EQ(crc, 0u);
  EXPECT_EQ(s.Size(), 0);
  EXPECT_TRUE(WriteStreamWithCRC(s, start, stored, crc, false, nullptr, 2, 10, 69994, source));
  TMemoryStream out(std::vector<uint8_t>{1, 2, 3});
  out.Clear();
  EXPECT_TRUE(ReadStreamWithCRC(s, out, true, false, nullptr, stored, start, crc));
  EXPECT_EQ(std::string(out.Bytes().begin(), out.Bytes().end()), "qqqqqqtail");
  TMemoryStream none;
  EXPECT_TRUE(ReadBlockToStream(s, none, true, false, nullptr, 0, 0));
  EXPECT_EQ(none.Size(), 0);
  // A source shorter than the range cannot be written.
  EXPECT_FALSE(WriteStreamWithCRC(s, start, stored, crc, false, nullptr, 2, 10, 69995, source));
  EXPECT_EQ(XError().GetCode(), errSave);
}

TEST_F(BlockTest, TruncatedZlibStreamFailsItsChecksumAndBlocksBeyondTheStreamFailToRead) {
  TMemoryStream s;
  int64_t start = 0, stored = 0;
  uint32_t crc = 0;
  ASSERT_TRUE(WriteBufferWithCRC(s, start, stored, crc, false, nullptr, 2, static_cast<int64_t>(text_.size()),
                                 text_.data()));
  TMemoryStream out;
  // The window holds only the first half of the zlib stream.
  EXPECT_FALSE(ReadStreamWithCRC(s, out, true, false, nullptr, stored / 2, start, crc));
  EXPECT_EQ(XError().GetCode(), errChecksum);
  out.Clear();
  EXPECT_FALSE(ReadStreamWithCRC(s, out, true, false, nullptr, int64_t{1} << 50, start, crc));
  EXPECT_EQ(XError().GetCode(), errLoad);
  EXPECT_THROW(ReadBlockToStream(s, out, false, true, nullptr, stored + 1, start), EXError);
  std::string small(10, '\0');
  EXPECT_FALSE(ReadBlock(s, small.data(), false, false, nullptr, 10, s.Size() - 5));
  EXPECT_EQ(XError().GetCode(), errLoad);
}

}  // namespace
}  // namespace xs
