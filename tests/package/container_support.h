// Helpers for the container tests: building small packages in memory,
// patching their bytes, and a stream that watches what is read.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/error.h"
#include "base/little_endian.h"
#include "base/stream.h"
#include "package/crc32.h"
#include "package/qstream.h"
#include "sample_package.h"

namespace xs::test {

using Bytes = std::vector<uint8_t>;

// "58 58 46 51" -> bytes; blanks are ignored.
inline Bytes Hex(std::string_view text) {
  Bytes out;
  auto nibble = [](char c) { return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10; };
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == ' ') continue;
    out.push_back(static_cast<uint8_t>(nibble(text[i]) << 4 | nibble(text[i + 1])));
    ++i;
  }
  return out;
}

inline Bytes Join(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

// A memory stream that fails the test on any read reaching past limit, and
// remembers the largest single read.
class TGuardStream : public TMemoryStream {
 public:
  TGuardStream(std::vector<uint8_t> bytes, int64_t limit) : TMemoryStream(std::move(bytes)), limit_(limit) {}
  int64_t Read(void* buffer, int64_t count) override {
    int64_t pos = Position();
    if (count > 0 && pos + count > limit_) ADD_FAILURE() << "read of " << count << " bytes at " << pos << " passes " << limit_;
    if (count > largest_read) largest_read = count;
    return TMemoryStream::Read(buffer, count);
  }
  int64_t largest_read = 0;

 private:
  int64_t limit_;
};

// Opens bytes read-only at start and returns the error code (0: loaded).
inline int LoadCode(const Bytes& bytes, int64_t start = 0) {
  TMemoryStream s(bytes);
  TXQStream c;
  c.Open(omRead, &s, false, nullptr, start);
  return XError().GetCode();
}

// A container over a copy of bytes, opened for reading.
struct TOpened {
  explicit TOpened(const Bytes& bytes) : stream(bytes) { ok = c.Open(omRead, &stream, false, nullptr, 0); }
  TMemoryStream stream;
  TXQStream c;
  bool ok;
};

// Rewrites the record checksum at offset + 4 over the body_size bytes at
// offset + 8 (links: 8, groups: 85, headers: 28, file header: 75).
inline void Reseal(Bytes& bytes, size_t offset, size_t body_size) {
  PutU32(bytes.data() + offset + 4, CRC32Update(0, bytes.data() + offset + 8, static_cast<int64_t>(body_size)));
}

// A link (or end record) of a container in bytes, found by walking the chain.
struct ChainLink {
  size_t offset;
  uint32_t marker;
  int64_t next;
};
inline std::vector<ChainLink> WalkLinks(const Bytes& bytes, size_t start = 0) {
  std::vector<ChainLink> links;
  size_t pos = start + 107;
  while (pos + 16 <= bytes.size()) {
    uint32_t marker = GetU32(bytes.data() + pos);
    int64_t next = GetI64(bytes.data() + pos + 8);
    links.push_back({pos, marker, next});
    if (marker != MakeMarkers(kDefaultMarkerPrefix).Link) break;
    pos = start + static_cast<size_t>(next);
  }
  return links;
}

}  // namespace xs::test
