#include "reseal.h"

#include "base/little_endian.h"
#include "package/crc32.h"
#include "package/record_format.h"
#include "package/record_objects.h"

namespace xs::fuzz {

namespace {
void Seal(std::vector<uint8_t>& b, size_t at, size_t body) {
  if (at + 8 + body <= b.size()) PutU32(&b[at + 4], CRC32Update(0, &b[at + 8], static_cast<int64_t>(body)));
}
}  // namespace

void Reseal(std::vector<uint8_t>& b) {
  const TXMarkers m = MakeMarkers(kDefaultMarkerPrefix);
  Seal(b, 0, kIdentitySize);
  size_t pos = kFileHeaderSize;
  while (pos + kLinkSize <= b.size() && GetU32(&b[pos]) == m.Link) {
    Seal(b, pos, 8);
    size_t record = pos + kLinkSize;
    if (record + TXRHeaderObject::kRecordSize <= b.size()) {
      uint32_t marker = GetU32(&b[record]);
      if (marker == m.Group) Seal(b, record, TXRGroupObject::kBodySize);
      if (marker == m.Header) {
        size_t table = kItemEntrySize * GetU16(&b[record + 26]);
        if (record + TXRHeaderObject::kRecordSize + table <= b.size())
          PutU32(&b[record + 8], CRC32Update(0, &b[record + 36], static_cast<int64_t>(table)));
        Seal(b, record, TXRHeaderObject::kBodySize);
      }
    }
    int64_t next = GetI64(&b[pos + 8]);
    if (next <= static_cast<int64_t>(pos)) break;
    pos = static_cast<size_t>(next);
  }
}

}  // namespace xs::fuzz
