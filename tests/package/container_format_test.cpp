// The byte format, pinned against bytes worked out by hand from the record
// layouts (checksums computed independently of this code).
#include <gtest/gtest.h>

#include "container_support.h"

namespace xs {
namespace {

using test::Bytes;
using test::Hex;
using test::Join;

Bytes Zeros(size_t n) { return Bytes(n, 0); }

// Identity 100 111 400 0 0 "Language"; group 1 "G" without data; a header
// of kind 3 for it with three entries: id 7 raw "hi", id -3 deflated "abc",
// and one reserved but never written.
Bytes Expected() {
  return Join({
      // file header
      Hex("58584651"),                    // "XXFQ"
      Hex("63693a2a"),                    // CRC32 of the identity body
      Hex("01000000"),                    // Version 1
      Hex("64000000 6f000000 90010000"),  // values 100, 111, 400
      Hex("00000000 00000000"),           // values 0, 0
      Hex("08"), Bytes{'L', 'a', 'n', 'g', 'u', 'a', 'g', 'e'}, Zeros(42),  // name
      Zeros(24),                                                         // reserved
      // link at 107 to 224
      Hex("58584e51 08faf2e6 e000000000000000"),
      // group record at 123
      Hex("58584751"),  // "XXGQ"
      Hex("fd9b3f40"),  // CRC32 of the body
      Hex("00000000"),  // DataChecksum of no data
      Hex("01000000"),  // ID 1
      Hex("0147"), Zeros(49),  // Name "G"
      Zeros(18),                 // reserved
      Hex("0800000000000000"),   // DataSize 8
      Hex("789c030000000001"),   // the empty zlib stream
      // link at 224 to 337
      Hex("58584e51 8527d95a 5101000000000000"),
      // header record at 240
      Hex("58584851"),            // "XXHQ"
      Hex("5d417564"),            // CRC32 of the body
      Hex("712f46bd"),            // TableChecksum
      Hex("01000000"),            // GroupID 1
      Hex("03000000"),            // Kind 3
      Zeros(6), Hex("0300"),      // reserved, Count 3
      Zeros(8),                   // reserved
      Hex("ac2a93d8 07000000 0200000000000000"),  // CRC32("hi"), id 7, size 2
      Hex("c2412435 fdffffff 0b00000000000000"),  // CRC32("abc"), id -3, size 11
      Zeros(16),                                  // reserved entry
      Bytes{'h', 'i'},
      Hex("789c4b4c4a0600024d0127"),  // "abc" deflated at the zlib default
      // end record at 337
      Hex("58584551"), Zeros(12),
  });
}

void WriteSmall(TXQStream& c) {
  TMemoryStream none;
  ASSERT_TRUE(c.AddGroup(1, "G", nullptr, &none));
  ASSERT_TRUE(c.BeginHeader(1, 3, nullptr, 3));
  ASSERT_TRUE(c.WriteItem(7, "hi", nullptr, 2));
  ASSERT_TRUE(c.WriteItem(-3, "abc", nullptr, 3));
  ASSERT_TRUE(c.EndHeader(nullptr));
}

TXIdentity LanguageIdentity() {
  TXIdentity id;
  id.Values[0] = 100;
  id.Values[1] = 111;
  id.Values[2] = 400;
  id.Name = "Language";
  return id;
}

TEST(ContainerFormat, WritesExactlyTheDocumentedBytes) {
  TMemoryStream s;
  TXQStream c;
  c.SetIdentity(LanguageIdentity());
  ASSERT_TRUE(c.Open(omCreate | omWrite, &s, false, nullptr, 0));
  WriteSmall(c);
  Bytes expected = Expected();
  ASSERT_EQ(s.Bytes().size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) ASSERT_EQ(s.Bytes()[i], expected[i]) << "byte " << i;
}

TEST(ContainerFormat, OffsetsAreRelativeToTheContainerStart) {
  Bytes prefix(1000, 0xEE);
  TMemoryStream s(prefix);
  TXQStream c;
  c.SetIdentity(LanguageIdentity());
  ASSERT_TRUE(c.Open(omCreate | omWrite, &s, false, nullptr, 1000));
  WriteSmall(c);
  Bytes expected = Join({prefix, Expected()});
  EXPECT_EQ(s.Bytes(), expected);
}

TEST(ContainerFormat, ReadsTheDocumentedBytes) {
  TMemoryStream s(Expected());
  TXQStream c;
  ASSERT_TRUE(c.Open(omRead, &s, false, nullptr, 0));
  EXPECT_TRUE(c.Complete());
  EXPECT_EQ(c.Identity(), LanguageIdentity());
  ASSERT_EQ(c.Groups.Count(), 1u);
  TXRGroupObject* g = c.Groups[0];
  EXPECT_EQ(g->Name, "G");
  EXPECT_EQ(g->Offset, 123);
  ASSERT_EQ(g->Headers.size(), 1u);
  const TXRHeaderObject& h = *g->Headers[0];
  EXPECT_EQ(h.Kind, 3);
  EXPECT_EQ(h.Offset, 240);
  std::string text;
  const char* want[] = {"hi", "abc", ""};
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(c.ReadItem(h, i, nullptr, text)) << i;
    EXPECT_EQ(text, want[i]);
  }
  EXPECT_EQ(c.LastReadCount(), 3);
}

TEST(ContainerFormat, AReaderAcceptsOnlyItsOwnMarkers) {
  TMemoryStream s;
  TXQStream w;
  w.SetMarkerPrefix('Y' | 'Y' << 8);
  ASSERT_TRUE(w.Open(omCreate | omWrite, &s, false, nullptr, 0));
  WriteSmall(w);
  EXPECT_EQ(Bytes(s.Bytes().begin(), s.Bytes().begin() + 4), (Bytes{'Y', 'Y', 'F', 'Q'}));
  EXPECT_EQ(Bytes(s.Bytes().end() - 16, s.Bytes().end() - 12), (Bytes{'Y', 'Y', 'E', 'Q'}));
  EXPECT_EQ(test::LoadCode(s.Bytes()), errChecksum);
  TXQStream r;
  r.SetMarkerPrefix('Y' | 'Y' << 8);
  EXPECT_TRUE(r.Open(omRead, &s, false, nullptr, 0));
}

}  // namespace
}  // namespace xs
