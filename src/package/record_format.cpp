#include "package/record_format.h"

#include <algorithm>

#include "base/little_endian.h"
#include "package/crc32.h"

namespace xs {

namespace {
constexpr uint32_t Suffix(char a, char b) { return (uint32_t(uint8_t(a)) | uint32_t(uint8_t(b)) << 8) << 16; }
}  // namespace

TXMarkers MakeMarkers(uint32_t prefix) {
  prefix &= 0xFFFF;
  return {prefix, prefix + Suffix('F', 'Q'), prefix + Suffix('N', 'Q'), prefix + Suffix('G', 'Q'),
          prefix + Suffix('H', 'Q'), prefix + Suffix('E', 'Q')};
}

bool TXIdentity::IsEmpty() const {
  return Name.empty() && std::all_of(std::begin(Values), std::end(Values), [](int32_t v) { return v == 0; });
}

std::string ShortName(const std::string& text) { return text.substr(0, kShortNameMax); }

void PutShortString(uint8_t* p, const std::string& text) {
  std::string s = ShortName(text);
  std::fill(p, p + kShortStringSize, uint8_t{0});
  p[0] = static_cast<uint8_t>(s.size());
  std::copy(s.begin(), s.end(), p + 1);
}

std::string GetShortString(const uint8_t* p) {
  size_t n = std::min<size_t>(p[0], kShortNameMax);
  return std::string(reinterpret_cast<const char*>(p + 1), n);
}

// Identity body: 0 Version, 4 five values (4 bytes each), 24 name (51 bytes).
TXIdentityBody EncodeIdentity(const TXIdentity& identity) {
  TXIdentityBody b{};
  PutI32(b.data(), identity.Version);
  for (int i = 0; i < 5; ++i) PutI32(b.data() + 4 + 4 * i, identity.Values[i]);
  PutShortString(b.data() + 24, identity.Name);
  return b;
}

TXIdentity DecodeIdentity(const uint8_t* body) {
  TXIdentity id;
  id.Version = GetI32(body);
  for (int i = 0; i < 5; ++i) id.Values[i] = GetI32(body + 4 + 4 * i);
  id.Name = GetShortString(body + 24);
  return id;
}

TXLinkRecord EncodeLink(const TXMarkers& markers, int64_t next) {
  TXLinkRecord r{};
  PutU32(r.data(), markers.Link);
  PutI64(r.data() + 8, next);
  PutU32(r.data() + 4, CRC32Update(0, r.data() + 8, 8));
  return r;
}

TXLinkRecord EncodeEndRecord(const TXMarkers& markers) {
  TXLinkRecord r{};
  PutU32(r.data(), markers.End);
  return r;
}

}  // namespace xs
