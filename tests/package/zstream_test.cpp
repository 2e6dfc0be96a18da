#include "package/zstream.h"

#include <gtest/gtest.h>

#include <string>

#include "base/progress.h"
#include "package/compression.h"

namespace xs {
namespace {

std::vector<uint8_t> Sample(size_t n) {
  std::vector<uint8_t> v(n);
  uint32_t x = 12345;
  for (auto& b : v) {
    x = x * 1103515245 + 12345;
    b = static_cast<uint8_t>((x >> 16) % 7 + 'a');  // compressible but not trivially
  }
  return v;
}

std::vector<uint8_t> Deflate(const std::vector<uint8_t>& data, int level_index) {
  TMemoryStream out;
  TXCompressionStream z(out, level_index);
  z.Compress(data.data(), static_cast<int64_t>(data.size()), nullptr);
  z.Finish();
  return out.Bytes();
}

TEST(ZStream, RoundTripsAtEveryLevelAndStopsRightBehindTheZlibStream) {
  std::vector<uint8_t> data = Sample(200000);
  for (int level = 0; level <= 3; ++level) {
    std::vector<uint8_t> packed = Deflate(data, level);
    size_t packed_size = packed.size();
    packed.insert(packed.end(), {'T', 'A', 'I', 'L'});
    TMemoryStream source(packed);
    TMemoryStream out;
    TXDecompressionStream z(source);
    EXPECT_EQ(z.DecompressTo(out, nullptr, static_cast<int64_t>(packed_size)), static_cast<int64_t>(data.size()));
    EXPECT_EQ(out.Bytes(), data) << "level " << level;
    EXPECT_EQ(source.Position(), static_cast<int64_t>(packed_size)) << "level " << level;
  }
  EXPECT_GT(Deflate(data, 0).size(), Deflate(data, 3).size());
}

TEST(ZStream, TheAdapterReturnsTheUnderlyingStreamToItsOwnPlace) {
  std::vector<uint8_t> data = Sample(1000);
  TMemoryStream out;
  out.WriteBuffer("HEAD", 4);
  TZCompressionStream z(out, -1);
  z.Write(data.data(), 500);
  out.SetPosition(0);  // someone else moves the stream in between
  z.Write(data.data() + 500, 500);
  z.Finish();
  EXPECT_EQ(z.Position(), 1000);
  TMemoryStream in(out.Bytes());
  in.SetPosition(4);
  TZDecompressionStream d(in);
  std::vector<uint8_t> back(2000);
  EXPECT_EQ(d.Read(back.data(), 10), 10);
  in.SetPosition(0);
  EXPECT_EQ(d.Read(back.data() + 10, 1990), 990);
  back.resize(1000);
  EXPECT_EQ(back, data);
  EXPECT_EQ(d.Position(), 1000);
}

TEST(ZStream, TruncatedDataYieldsWhatWasProducedAndCorruptDataRaisesZlibsText) {
  std::vector<uint8_t> data = Sample(50000);
  std::vector<uint8_t> packed = Deflate(data, 2);
  TMemoryStream cut(std::vector<uint8_t>(packed.begin(), packed.begin() + packed.size() / 2));
  TMemoryStream out;
  int64_t n = TXDecompressionStream(cut).DecompressTo(out, nullptr, 0);
  EXPECT_GT(n, 0);
  EXPECT_LT(n, static_cast<int64_t>(data.size()));
  EXPECT_TRUE(std::equal(out.Bytes().begin(), out.Bytes().end(), data.begin()));

  std::vector<uint8_t> bad = packed;
  bad[0] = 0x79;  // not a zlib header
  TMemoryStream corrupt(bad);
  TZDecompressionStream d(corrupt);
  uint8_t buf[16];
  try {
    d.Read(buf, sizeof buf);
    FAIL() << "no error";
  } catch (const EZDecompressionError& e) {
    EXPECT_STREQ(e.what(), "data error");
  }
  // A stream that asks for a preset dictionary must not hang the reader.
  TMemoryStream dict(std::vector<uint8_t>{0x78, 0xBB, 0, 0, 0, 1, 0x03, 0x00});
  TZDecompressionStream dd(dict);
  EXPECT_THROW(dd.Read(buf, sizeof buf), EZDecompressionError);
}

TEST(ZStream, UnsupportedOperationsRaise) {
  TMemoryStream s;
  TZCompressionStream c(s, 6);
  uint8_t b[4] = {};
  try {
    c.Read(b, 4);
    FAIL();
  } catch (const EZCompressionError& e) {
    EXPECT_STREQ(e.what(), "Invalid ZStream operation!");
  }
  EXPECT_THROW(c.Seek(1, SeekOrigin::Begin), EZCompressionError);
  TZDecompressionStream d(s);
  EXPECT_THROW(d.Write(b, 4), EZDecompressionError);
  EXPECT_THROW(d.Seek(0, SeekOrigin::End), EZDecompressionError);
}

TEST(ZStream, ProgressOfHighlyCompressedDataStaysWithinOneHundredPercent) {
  std::vector<uint8_t> zeros(4 << 20);
  std::vector<uint8_t> packed = Deflate(zeros, 3);
  TXProgressTarget target;
  int highest = 0, changes = 0;
  target.OnChange = [&](TXProgressTarget& t) {
    highest = std::max(highest, t.Position());
    ++changes;
  };
  TXProgressItem root(nullptr, &target);
  root.Range = 1000;
  TXProgressItem* child = root.BeginChild(50);
  TMemoryStream source(packed), out;
  TXDecompressionStream(source).DecompressTo(out, child, static_cast<int64_t>(packed.size()));
  EXPECT_EQ(out.Size(), static_cast<int64_t>(zeros.size()));
  EXPECT_GT(changes, 0);
  EXPECT_LE(highest, 500);  // the child's share ends at 50 % of the root
}

}  // namespace
}  // namespace xs
