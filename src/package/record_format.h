// The record container's byte format: constants, markers, the file header's
// identity body, links and end records. The group and header records are
// encoded beside their objects (record_objects.cpp).
//
// A container starts at an arbitrary offset of a larger stream; every offset
// stored inside it is relative to that start. Integers are little-endian.
// A short string of N characters takes N+1 bytes: a length byte, then the
// characters, the unused rest zero.
//
//   file header (107 bytes, at container offset 0)
//     0  4  marker "XXFQ"
//     4  4  CRC32 of the 75-byte identity body at 8..82
//     8  4  Version, signed, must be 1
//    12 20  five signed 32-bit identity values
//    32 51  identity name, short string of at most 50 characters
//    83 24  reserved, zero, never read
//   then, for each group or header record in the order written:
//   link (16 bytes)
//     0  4  marker "XXNQ"
//     4  4  CRC32 of the 8 bytes at 8
//     8  8  Next: signed container offset of the next link or end record; the
//           record the link introduces starts at link + 16 and, with its
//           data, ends exactly at Next
//   record: group (93 bytes + data) or header (36 bytes + table + items)
//   ...
//   end record (16 bytes): marker "XXEQ", 12 zero bytes. Nothing after it is
//   ever read (in the setup executable: its signature).
//
// Markers are a 2-byte prefix ("XX" by default) in the low half of a 32-bit
// value plus a 2-byte suffix in the high half: "FQ", "NQ", "GQ", "HQ", "EQ".
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace xs {

inline constexpr int64_t kFileHeaderSize = 107;
inline constexpr int64_t kIdentitySize = 75;
inline constexpr int64_t kLinkSize = 16;
inline constexpr int64_t kEndRecordSize = 16;
inline constexpr int64_t kMarkerSize = 8;  // marker and record checksum
inline constexpr int64_t kItemEntrySize = 16;
inline constexpr int kShortNameMax = 50;
inline constexpr int64_t kShortStringSize = kShortNameMax + 1;
inline constexpr uint32_t kDefaultMarkerPrefix = 'X' | 'X' << 8;

struct TXMarkers {
  uint32_t Prefix = 0, FileHeader = 0, Link = 0, Group = 0, Header = 0, End = 0;
};
TXMarkers MakeMarkers(uint32_t prefix);

// The file header's 75-byte body. A container whose five values are 0 and
// whose name is empty carries no identity.
struct TXIdentity {
  int32_t Version = 1;
  int32_t Values[5] = {};
  std::string Name;  // at most 50 characters are stored

  bool IsEmpty() const;
  bool operator==(const TXIdentity&) const = default;
};

using TXIdentityBody = std::array<uint8_t, kIdentitySize>;
TXIdentityBody EncodeIdentity(const TXIdentity& identity);
TXIdentity DecodeIdentity(const uint8_t* body);

// The first 50 characters of text.
std::string ShortName(const std::string& text);
// Writes text (cut to 50 characters) as a 51-byte short string at p.
void PutShortString(uint8_t* p, const std::string& text);
// Reads a 51-byte short string; a length byte above 50 is taken as 50.
std::string GetShortString(const uint8_t* p);

using TXLinkRecord = std::array<uint8_t, kLinkSize>;
TXLinkRecord EncodeLink(const TXMarkers& markers, int64_t next);
TXLinkRecord EncodeEndRecord(const TXMarkers& markers);

}  // namespace xs
