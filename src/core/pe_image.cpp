// Layout read here:
//   0x3C  u32  offset of the "PE\0\0" signature
//   sig+4       COFF header (20 bytes): +2 u16 section count,
//               +16 u16 optional header size
//   sig+24+opt  section table, 40 bytes a section:
//               +16 u32 SizeOfRawData, +20 u32 PointerToRawData
#include "core/pe_image.h"

#include <cstring>

#include "core/little_endian.h"

namespace xs {

namespace {
bool ReadAt(TStream& s, int64_t pos, void* buffer, int64_t n) {
  return s.Seek(pos, SeekOrigin::Begin) == pos && s.Read(buffer, n) == n;
}
}  // namespace

std::optional<int64_t> PeImageEnd(TStream& file) {
  try {
    uint8_t dos[64];
    if (!ReadAt(file, 0, dos, sizeof dos) || dos[0] != 'M' || dos[1] != 'Z') return std::nullopt;
    int64_t sig = GetU32(dos + 0x3C);
    uint8_t coff[24];
    if (!ReadAt(file, sig, coff, sizeof coff) || std::memcmp(coff, "PE\0\0", 4) != 0) return std::nullopt;
    uint16_t sections = GetU16(coff + 6);
    int64_t table = sig + 24 + GetU16(coff + 20);
    int64_t end = 0;
    for (uint16_t i = 0; i < sections; ++i) {
      uint8_t section[40];
      if (!ReadAt(file, table + 40 * int64_t{i}, section, sizeof section)) return std::nullopt;
      uint32_t raw_size = GetU32(section + 16), raw_pos = GetU32(section + 20);
      if (raw_size && int64_t{raw_pos} + raw_size > end) end = int64_t{raw_pos} + raw_size;
    }
    if (end == 0) return std::nullopt;
    return end;
  } catch (const EStreamError&) {
    return std::nullopt;
  }
}

}  // namespace xs
