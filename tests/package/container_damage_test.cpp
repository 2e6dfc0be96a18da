// Damaged containers: every failure is a code, never a crash, a hang or an
// allocation of what the bytes merely claim.
#include <gtest/gtest.h>
#include <zlib.h>

#include "base/null_stream.h"
#include "container_support.h"
#include "package/container_check.h"

namespace xs {
namespace {

using test::Bytes;
using test::ChainLink;
using test::LoadCode;
using test::Reseal;
using test::SamplePackage;

class DamageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    XError().Clear();
    bytes_ = SamplePackage();
    links_ = test::WalkLinks(bytes_);
    ASSERT_EQ(links_.size(), 6u);  // group, header, group, header, header, end
  }
  size_t Record(int link) const { return links_[link].offset + 16; }
  void SetNext(int link, int64_t next) {
    PutI64(bytes_.data() + links_[link].offset + 8, next);
    Reseal(bytes_, links_[link].offset, 8);
  }
  // Sets the stored size of an item of the header after link, keeping the
  // table's and the record's checksums right.
  void SetItemSize(int link, int item, int64_t size) {
    size_t record = Record(link), table = record + 36;
    PutI64(bytes_.data() + table + 16 * item + 8, size);
    PutU32(bytes_.data() + record + 8, CRC32Update(0, bytes_.data() + table, 16 * GetU16(bytes_.data() + record + 26)));
    Reseal(bytes_, record, 28);
  }

  Bytes bytes_;
  std::vector<ChainLink> links_;
};

// The code a package cut at `cut` must give. Inside the file header the
// read runs past the end (16) until its reserved tail, which is never read.
int ExpectedCutCode(const Bytes& whole, const std::vector<ChainLink>& links, size_t cut) {
  const TXMarkers m = MakeMarkers(kDefaultMarkerPrefix);
  if (cut < 83) return errPastEnd;
  if (cut < 107) return errNoEndMarker;
  for (const ChainLink& l : links) {
    if (cut == l.offset) return errNoEndMarker;  // exactly between two records
    if (cut < l.offset + 16) return errPastEnd;  // inside a link or the end record
    size_t record = l.offset + 16;
    // What a load reads: a group record with its data, a header record with
    // its table; the items behind them it skips.
    size_t read = GetU32(whole.data() + record) == m.Group
                      ? record + 93 + static_cast<size_t>(GetI64(whole.data() + record + 85))
                      : record + 36 + 16 * size_t{GetU16(whole.data() + record + 26)};
    if (cut < read) return errLoad;
    if (cut < static_cast<size_t>(l.next)) return errNoEndMarker;
  }
  return -1;
}

TEST_F(DamageTest, EveryCutGivesTheCodeOfItsPlace) {
  int counts[3] = {};
  for (size_t cut = 0; cut < bytes_.size(); ++cut) {
    Bytes cut_bytes(bytes_.begin(), bytes_.begin() + static_cast<long>(cut));
    int want = ExpectedCutCode(bytes_, links_, cut);
    ASSERT_EQ(LoadCode(cut_bytes), want) << "cut at " << cut;
    counts[want == errPastEnd ? 0 : want == errLoad ? 1 : 2]++;
  }
  EXPECT_GT(counts[0], 0);
  EXPECT_GT(counts[1], 0);
  EXPECT_GT(counts[2], 0);
  EXPECT_EQ(LoadCode(bytes_), errNone);
}

TEST_F(DamageTest, AContainerWithoutGroupsOrHeadersHasNoEndRecord) {
  TMemoryStream s;
  TXQStream c;
  ASSERT_TRUE(c.Open(omCreate | omWrite, &s, false, nullptr, 0));
  EXPECT_EQ(s.Size(), 107);
  EXPECT_EQ(LoadCode(s.Bytes()), errNoEndMarker);
  TXQStream r;
  EXPECT_FALSE(r.Open(omRead, &s, false, nullptr, 0));
  EXPECT_TRUE(r.Damaged());
  EXPECT_FALSE(r.Complete());
}

TEST_F(DamageTest, FileHeaderFaults) {
  Bytes b = bytes_;
  b[8] = 2;  // Version 2, checksum made right
  Reseal(b, 0, 75);
  EXPECT_EQ(LoadCode(b), errIdentity);
  b = bytes_;
  b[40] ^= 1;
  EXPECT_EQ(LoadCode(b), errChecksum);
  b = bytes_;
  b[2] = 'Z';
  EXPECT_EQ(LoadCode(b), errChecksum);
  EXPECT_EQ(LoadCode(bytes_, 1), errIdentity);  // not a container at that start: Version is checked first
  EXPECT_EQ(LoadCode({}), errPastEnd);
  EXPECT_EQ(LoadCode(bytes_, -1), errLoad);
}

TEST_F(DamageTest, ChecksumFaultsOfLinksRecordsTablesAndItems) {
  Bytes b = bytes_;
  b[links_[1].offset + 9] ^= 1;  // a link whose Next does not match its checksum
  EXPECT_EQ(LoadCode(b), errChecksum);

  // A damaged header record inside an intact chain is dropped; the load
  // goes on and the next link's check clears the code.
  b = bytes_;
  b[Record(1) + 10] ^= 1;
  test::TOpened header(b);
  ASSERT_TRUE(header.ok);
  EXPECT_TRUE(header.c.Groups[0]->Headers.empty());
  EXPECT_EQ(header.c.Groups[1]->Headers.size(), 2u);
  EXPECT_EQ(header.c.DamagedRecords(), 1);
  EXPECT_EQ(CheckContainer(header.c), errLoad);

  // A table that fails its checksum keeps its place, not Loaded; its items
  // cannot be read.
  b = bytes_;
  b[Record(3) + 36 + 5] ^= 1;
  test::TOpened table(b);
  ASSERT_TRUE(table.ok);
  ASSERT_EQ(table.c.Groups[1]->Headers.size(), 2u);
  EXPECT_FALSE(table.c.Groups[1]->Headers[0]->Loaded);
  EXPECT_EQ(table.c.DamagedRecords(), 1);
  std::string text;
  EXPECT_FALSE(table.c.ReadItem(*table.c.Groups[1]->Headers[0], 0, nullptr, text));
  EXPECT_EQ(XError().GetCode(), errChecksum);
  EXPECT_TRUE(table.c.ReadItem(*table.c.Groups[1]->Headers[1], 2, nullptr, text));

  // Stored bytes that do not match their checksum: a raw item, and the
  // zlib stream of a deflated one (whose own check may notice first).
  test::TOpened intact(bytes_);
  const TXRHeaderObject& objects = *intact.c.Groups[1]->Headers[0];
  const TXRHeaderObject& items = *intact.c.Groups[1]->Headers[1];
  b = bytes_;
  b[intact.c.ItemSpan(objects, 2)->Position] ^= 1;
  b[intact.c.ItemSpan(items, 2)->Position + 5] ^= 0x55;
  test::TOpened damaged(b);
  ASSERT_TRUE(damaged.ok);
  EXPECT_FALSE(damaged.c.ReadItem(*damaged.c.Groups[1]->Headers[0], 2, nullptr, text));
  EXPECT_EQ(XError().GetCode(), errChecksum);
  EXPECT_FALSE(damaged.c.ReadItem(*damaged.c.Groups[1]->Headers[1], 2, nullptr, text));
  EXPECT_TRUE(XError().GetCode() == errChecksum || XError().GetCode() == errLoad) << XError().GetCode();

  // Group data that fails its checksum leaves the group, not Loaded.
  b = bytes_;
  PutU32(b.data() + Record(2) + 8, 0x1234);
  Reseal(b, Record(2), 85);
  test::TOpened group(b);
  ASSERT_TRUE(group.ok);
  EXPECT_FALSE(group.c.Groups[1]->Loaded);
  EXPECT_EQ(group.c.Groups[1]->Failure, errChecksum);
  EXPECT_EQ(group.c.DamagedRecords(), 1);
  EXPECT_EQ(CheckContainer(group.c), errLoad);
  test::TOpened whole(bytes_);
  EXPECT_EQ(whole.c.DamagedRecords(), 0);
  EXPECT_EQ(CheckContainer(whole.c), errNone);
}

TEST_F(DamageTest, UnknownRecordsAreSkippedAndCountedAsDamage) {
  Bytes b = bytes_;
  b[Record(3) + 2] = 'Z';  // "XXZQ"
  test::TOpened skipped(b);
  ASSERT_TRUE(skipped.ok);
  EXPECT_EQ(skipped.c.Groups[1]->Headers.size(), 1u);
  EXPECT_EQ(skipped.c.DamagedRecords(), 1);
  b = bytes_;
  b[links_[3].offset + 2] = 'Z';  // not a link marker where a link belongs
  EXPECT_EQ(LoadCode(b), errChecksum);
}

TEST_F(DamageTest, LoopsAndBackwardLinksEndAsABrokenChain) {
  const int64_t cases[] = {
      static_cast<int64_t>(links_[3].offset),        // points at itself
      static_cast<int64_t>(links_[1].offset),        // backward
      0,                                             // nowhere
      static_cast<int64_t>(links_[3].offset) + 16,   // at its own record
      static_cast<int64_t>(links_[3].offset) + 23,   // inside its record's marker
      std::numeric_limits<int64_t>::min(),
  };
  for (int64_t next : cases) {
    Bytes saved = bytes_;
    SetNext(3, next);
    EXPECT_EQ(LoadCode(bytes_), errNoEndMarker) << next;
    bytes_ = saved;
  }
}

TEST_F(DamageTest, HugeClaimedSizesFailWithoutBeingAllocated) {
  const int64_t huge = int64_t{1} << 50;
  const Bytes saved = bytes_;
  // Group data claimed far beyond the stream (its link claims as much).
  PutI64(bytes_.data() + Record(2) + 85, huge);
  Reseal(bytes_, Record(2), 85);
  SetNext(2, huge + 1000);
  {
    test::TOpened o(bytes_);
    EXPECT_FALSE(o.ok);
    EXPECT_EQ(XError().GetCode(), errLoad);
    ASSERT_EQ(o.c.Groups.Count(), 2u);
    EXPECT_FALSE(o.c.Groups[1]->Loaded);
  }
  // Group data claimed beyond what its own link gives.
  bytes_ = saved;
  PutI64(bytes_.data() + Record(2) + 85, 5000);
  Reseal(bytes_, Record(2), 85);
  {
    test::TOpened o(bytes_);
    ASSERT_TRUE(o.ok);
    EXPECT_EQ(o.c.Groups[1]->Failure, errLoad);
  }

  // An item claimed far beyond the stream, its table and link consistent.
  bytes_ = saved;
  SetItemSize(4, 2, huge);
  SetNext(4, huge + 10000);
  {
    test::TOpened o(bytes_);
    EXPECT_FALSE(o.ok);
    EXPECT_EQ(XError().GetCode(), errNoEndMarker);
    const TXRHeaderObject& h = *o.c.Groups[1]->Headers[1];
    ASSERT_TRUE(h.Loaded);
    TMemoryStream out;
    EXPECT_FALSE(o.c.ReadItemToStream(h, 2, nullptr, out));
    EXPECT_EQ(XError().GetCode(), errLoad);
    EXPECT_EQ(out.Size(), 0);
    TMemoryStream copy;
    EXPECT_FALSE(o.c.CopyTo(copy, nullptr, false));
    EXPECT_EQ(XError().GetCode(), errSave);
  }

  // Items that claim more than their record holds, or negative sizes.
  for (int64_t size : {int64_t{-1}, int64_t{100000}, std::numeric_limits<int64_t>::max()}) {
    bytes_ = saved;
    SetItemSize(4, 0, size);
    test::TOpened o(bytes_);
    ASSERT_TRUE(o.ok) << size;
    EXPECT_FALSE(o.c.Groups[1]->Headers[1]->Loaded);
    EXPECT_EQ(o.c.Groups[1]->Headers[1]->Failure, errLoad);
  }

  // A header whose table would pass its link.
  bytes_ = saved;
  PutU16(bytes_.data() + Record(4) + 26, 65535);
  Reseal(bytes_, Record(4), 28);
  {
    test::TOpened o(bytes_);
    ASSERT_TRUE(o.ok);
    EXPECT_EQ(o.c.Groups[1]->Headers[1]->Failure, errLoad);
  }

  // A link that claims almost the whole 64-bit range, also behind a prefix.
  bytes_ = saved;
  SetNext(4, std::numeric_limits<int64_t>::max());
  EXPECT_EQ(LoadCode(bytes_, 0), errNoEndMarker);
  Bytes prefixed(1000, 0);
  prefixed.insert(prefixed.end(), bytes_.begin(), bytes_.end());
  EXPECT_EQ(LoadCode(prefixed, 1000), errNoEndMarker);
}

// What a reader gets out of a container: each group's id and name, each
// header's kind and count, each item's id and decoded bytes.
std::vector<std::string> Decoded(TXRStream& c) {
  std::vector<std::string> out;
  for (const auto& g : c.Groups) {
    out.push_back("group " + std::to_string(g->ID) + " " + g->Name);
    for (const auto& h : g->Headers) {
      out.push_back("header " + std::to_string(h->Kind) + " " + std::to_string(h->Count));
      for (int i = 0; i < h->Count; ++i) {
        std::string bytes;
        EXPECT_TRUE(c.ReadItem(*h, i, nullptr, bytes));
        out.push_back(std::to_string(h->Items[i].ID) + ":" + bytes);
      }
    }
  }
  return out;
}

// One changed byte anywhere a reader looks is either caught by the check
// that verify runs, or changes nothing a reader gets (bits of a zlib stream
// that carry no data, the end record's zero tail).
TEST_F(DamageTest, EverySingleByteChangeIsCaughtOrHarmless) {
  test::TOpened whole(bytes_);
  ASSERT_TRUE(whole.ok);
  const std::vector<std::string> want = Decoded(whole.c);
  int caught = 0, harmless = 0;
  for (size_t pos = 0; pos < bytes_.size(); ++pos) {
    if (pos >= 83 && pos < 107) continue;  // the file header's reserved tail is never read
    for (uint8_t change : {0x01, 0x10, 0x80, 0xFF}) {
      Bytes b = bytes_;
      b[pos] ^= change;
      test::TOpened o(b);
      if (!o.ok || CheckContainer(o.c) != errNone) {
        ++caught;
        continue;
      }
      ASSERT_EQ(Decoded(o.c), want) << "byte " << pos << " changed by " << int{change};
      ++harmless;
    }
  }
  EXPECT_GT(caught, 0);
  EXPECT_GT(harmless, 0);
  RecordProperty("caught", caught);
  RecordProperty("harmless", harmless);
}


// A zlib stream that inflates to `mib` MiB of zeros, made without deflating
// them all: each fully flushed MiB deflates to the same bytes, which are
// repeated. Its end (and so its check value) is never reached by a reader
// that stops in time.
Bytes ZerosBomb(int mib) {
  z_stream z{};
  EXPECT_EQ(deflateInit(&z, 9), Z_OK);
  std::vector<uint8_t> zeros(1 << 20), out(1 << 20);
  auto deflate_mib = [&] {
    z.next_in = zeros.data();
    z.avail_in = static_cast<uInt>(zeros.size());
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    deflate(&z, Z_FULL_FLUSH);
    return Bytes(out.data(), z.next_out);
  };
  Bytes stream = deflate_mib();
  Bytes chunk = deflate_mib();
  for (int i = 1; i < mib; ++i) stream.insert(stream.end(), chunk.begin(), chunk.end());
  deflateEnd(&z);
  return stream;
}

// A complete zlib stream of mib times the same MiB of bytes that deflate
// about 14:1 (a run of random bytes and zeros in every 4 KiB), built from
// one deflated MiB as ZerosBomb builds its own; checksum := the CRC32 of
// all it inflates to.
Bytes LargeStream(int mib, uint32_t& checksum) {
  Bytes plain(1 << 20, 0);
  uint32_t seed = 7;
  for (size_t i = 0; i < plain.size(); i += 4096)
    for (size_t k = 0; k < 256; ++k) plain[i + k] = static_cast<uint8_t>((seed = seed * 1103515245 + 12345) >> 24);
  z_stream z{};
  EXPECT_EQ(deflateInit(&z, 1), Z_OK);
  Bytes out(2 << 20);
  auto deflate_into = [&](const Bytes& in, int flush) {
    z.next_in = const_cast<uint8_t*>(in.data());
    z.avail_in = static_cast<uInt>(in.size());
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    deflate(&z, flush);
    return Bytes(out.data(), z.next_out);
  };
  Bytes stream = deflate_into(plain, Z_FULL_FLUSH);
  Bytes chunk = deflate_into(plain, Z_FULL_FLUSH);
  for (int i = 1; i < mib; ++i) stream.insert(stream.end(), chunk.begin(), chunk.end());
  Bytes tail = deflate_into({}, Z_FINISH);
  deflateEnd(&z);
  // The trailer's Adler-32 covers what the stream inflates to, not what
  // deflate saw.
  uLong adler = adler32(0, nullptr, 0);
  checksum = 0;
  for (int i = 0; i < mib; ++i) {
    adler = adler32(adler, plain.data(), static_cast<uInt>(plain.size()));
    checksum = CRC32Update(checksum, plain.data(), static_cast<int64_t>(plain.size()));
  }
  for (int k = 0; k < 4; ++k) tail[tail.size() - 4 + k] = static_cast<uint8_t>(adler >> (24 - 8 * k));
  stream.insert(stream.end(), tail.begin(), tail.end());
  return stream;
}

// bytes as one complete zlib stream.
Bytes Deflated(const Bytes& bytes) {
  uLongf size = compressBound(static_cast<uLong>(bytes.size()));
  Bytes out(size);
  EXPECT_EQ(compress2(out.data(), &size, bytes.data(), static_cast<uLong>(bytes.size()), 9), Z_OK);
  out.resize(size);
  return out;
}

// A container with one header whose item 0 holds stored as a zlib stream
// (id -7) with the given checksum.
Bytes ContainerWithZlibItem(const Bytes& stored, uint32_t checksum) {
  TMemoryStream s;
  TXQStream c;
  EXPECT_TRUE(c.Open(omCreate | omWrite, &s, false, nullptr, 0));
  EXPECT_TRUE(c.AddGroupByName("Data", "", false, nullptr));
  EXPECT_TRUE(c.BeginHeaderByName("Data", 4, false, nullptr, 1));
  EXPECT_TRUE(c.WriteItem(7, stored.data(), nullptr, static_cast<int64_t>(stored.size())));
  EXPECT_TRUE(c.EndHeader(nullptr));
  Bytes b = s.Bytes();
  // The header is the second record: make its item a zlib stream.
  std::vector<ChainLink> links = test::WalkLinks(b);
  size_t record = links[1].offset + 16, table = record + 36;
  PutU32(b.data() + table, checksum);
  PutI32(b.data() + table + 4, -7);
  PutU32(b.data() + record + 8, CRC32Update(0, b.data() + table, 16));
  Reseal(b, record, 28);
  return b;
}

// Inflating stops at what the reader expects: a megabyte of stored bytes
// that would inflate to a gigabyte costs no more than the limit, and a zlib
// stream that ends early is damage too; nothing of either is kept.
TEST(BoundedInflation, ItemsNeverGiveMoreThanExpectedNorLessThanTheirStream) {
  const Bytes bomb = ZerosBomb(1024);  // 1 GiB of zeros
  ASSERT_LT(bomb.size(), size_t{2} << 20);
  const Bytes four_mib(4 << 20, 0);
  const uint32_t four_mib_crc = CRC32Update(0, four_mib.data(), static_cast<int64_t>(four_mib.size()));
  const Bytes whole = Deflated(four_mib);
  const Bytes without_check(whole.begin(), whole.end() - 4);
  const struct {
    const char* what;
    Bytes stored;
    uint32_t checksum;
    int64_t limit;
    int code;
  } cases[] = {
      {"a gigabyte where a megabyte is expected", bomb, 0, 1 << 20, errChecksum},
      {"a gigabyte where nothing is declared", bomb, 0, kMaxBlockBytes, errChecksum},
      {"one byte more than expected", whole, four_mib_crc, (4 << 20) - 1, errChecksum},
      {"exactly as expected", whole, four_mib_crc, 4 << 20, errNone},
      {"a stream that ends early", without_check, four_mib_crc, 4 << 20, errChecksum},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    test::TOpened o(ContainerWithZlibItem(c.stored, c.checksum));
    ASSERT_TRUE(o.ok);
    const TXRHeaderObject& h = *o.c.Groups[0]->Headers[0];
    TNullStream out;  // keeps the size only, so a failed bound costs no memory
    EXPECT_EQ(o.c.ReadItemToStream(h, 0, nullptr, out, c.limit), c.code == errNone);
    EXPECT_EQ(XError().GetCode(), c.code);
    EXPECT_EQ(out.Size(), c.code == errNone ? int64_t{4} << 20 : 0);
  }
  // What verify runs reads the gigabyte no further than the bound, while an
  // item past it that deflated no further than 64:1 is read whole.
  test::TOpened o(ContainerWithZlibItem(bomb, 0));
  EXPECT_EQ(CheckContainer(o.c), errChecksum);
  uint32_t large_crc = 0;
  const Bytes large_stream = LargeStream(static_cast<int>(kMaxBlockBytes >> 20) + 2, large_crc);
  test::TOpened large(ContainerWithZlibItem(large_stream, large_crc));
  ASSERT_TRUE(large.ok);
  EXPECT_EQ(CheckContainer(large.c), errNone);
  test::TOpened wrong(ContainerWithZlibItem(large_stream, large_crc ^ 1));
  EXPECT_EQ(CheckContainer(wrong.c), errChecksum);
}

}  // namespace
}  // namespace xs
