// Layout read here (all numbers little-endian):
//   0x3C  u32  offset of the "PE\0\0" signature
//   sig+4       COFF header (20 bytes): +0 u16 machine, +2 u16 section count,
//               +16 u16 optional header size
//   sig+24      optional header: u16 magic 0x10B (32-bit image, data
//               directories at +96) or 0x20B (64-bit, at +112); the count of
//               directories is the u32 just before them; directory 2 is the
//               resource directory (u32 address, u32 size)
//   sig+24+opt  section table, 40 bytes a section: +8 u32 VirtualSize,
//               +12 u32 VirtualAddress, +16 u32 SizeOfRawData,
//               +20 u32 PointerToRawData
// Resources form a three-level tree (type, name, language). A directory is
// 16 bytes (+12 u16 named entries, +14 u16 id entries) followed by 8-byte
// entries (u32 id, u32 offset; the offset's top bit marks a subdirectory),
// offsets counted from the resource directory's start. A leaf is a u32
// address and a u32 size. The version resource starts with u16 length,
// u16 value length, u16 type, the UTF-16 key "VS_VERSION_INFO" with its zero,
// padding to 4 bytes, then the fixed part: u32 signature 0xFEEF04BD, u32
// structure version, u32 file version high, u32 file version low, ...
#include "platform/pe_image.h"

#include <cstring>
#include <string>
#include <vector>

#include "base/little_endian.h"

namespace xs {

namespace {
bool ReadAt(TStream& s, int64_t pos, void* buffer, int64_t n) {
  return pos >= 0 && s.Seek(pos, SeekOrigin::Begin) == pos && s.Read(buffer, n) == n;
}
struct Section {
  uint32_t virtual_size, virtual_address, raw_size, raw_pos;
};

struct Headers {
  uint16_t machine = 0;
  int64_t optional_pos = 0;
  uint16_t optional_size = 0;
  std::vector<Section> sections;
};

bool ReadHeaders(TStream& file, Headers& h) {
  uint8_t dos[64];
  if (!ReadAt(file, 0, dos, sizeof dos) || dos[0] != 'M' || dos[1] != 'Z') return false;
  int64_t sig = GetU32(dos + 0x3C);
  uint8_t coff[24];
  if (!ReadAt(file, sig, coff, sizeof coff) || std::memcmp(coff, "PE\0\0", 4) != 0) return false;
  h.machine = GetU16(coff + 4);
  uint16_t count = GetU16(coff + 6);
  h.optional_pos = sig + 24;
  h.optional_size = GetU16(coff + 20);
  int64_t table = h.optional_pos + h.optional_size;
  for (uint16_t i = 0; i < count; ++i) {
    uint8_t s[40];
    if (!ReadAt(file, table + 40 * int64_t{i}, s, sizeof s)) return false;
    h.sections.push_back(Section{GetU32(s + 8), GetU32(s + 12), GetU32(s + 16), GetU32(s + 20)});
  }
  return true;
}

// Reads n bytes at a virtual address, all inside one section's raw data.
bool ReadRva(TStream& file, const Headers& h, uint32_t rva, void* buffer, uint32_t n) {
  for (const Section& s : h.sections) {
    uint64_t offset = uint64_t{rva} - s.virtual_address;
    if (rva < s.virtual_address || offset + n > s.raw_size) continue;
    return ReadAt(file, int64_t{s.raw_pos} + static_cast<int64_t>(offset), buffer, n);
  }
  return false;
}

// The offset field of the entry with the given id (any entry when id is
// negative) in the resource directory at dir; nullopt when there is none.
std::optional<uint32_t> FindEntry(TStream& file, const Headers& h, uint32_t base, uint32_t dir, int64_t id) {
  uint8_t head[16];
  if (!ReadRva(file, h, base + dir, head, sizeof head)) return std::nullopt;
  uint32_t named = GetU16(head + 12), ids = GetU16(head + 14);
  // Named entries come first; ids are never looked for among them.
  uint32_t first = id < 0 ? 0 : named;
  for (uint32_t i = first; i < named + ids; ++i) {
    uint8_t entry[8];
    if (!ReadRva(file, h, base + dir + 16 + 8 * i, entry, sizeof entry)) return std::nullopt;
    if (id < 0 || GetU32(entry) == static_cast<uint32_t>(id)) return GetU32(entry + 4);
  }
  return std::nullopt;
}

constexpr uint32_t kSubdirectory = 0x80000000;
}  // namespace

std::optional<int64_t> PeImageEnd(TStream& file) {
  try {
    Headers h;
    if (!ReadHeaders(file, h)) return std::nullopt;
    int64_t end = 0;
    for (const Section& s : h.sections)
      if (s.raw_size && int64_t{s.raw_pos} + s.raw_size > end) end = int64_t{s.raw_pos} + s.raw_size;
    if (end == 0) return std::nullopt;
    return end;
  } catch (const EStreamError&) {
    return std::nullopt;
  }
}

std::optional<uint16_t> PeMachine(TStream& file) {
  try {
    Headers h;
    if (!ReadHeaders(file, h)) return std::nullopt;
    return h.machine;
  } catch (const EStreamError&) {
    return std::nullopt;
  }
}

std::optional<TPeFileVersion> PeFileVersion(TStream& file) {
  try {
    Headers h;
    if (!ReadHeaders(file, h)) return std::nullopt;
    uint8_t magic[2];
    if (h.optional_size < 2 || !ReadAt(file, h.optional_pos, magic, 2)) return std::nullopt;
    uint32_t dirs = GetU16(magic) == 0x10B ? 96 : GetU16(magic) == 0x20B ? 112 : 0;
    uint8_t resource[8], count[4];
    if (dirs == 0 || dirs + 3 * 8 > h.optional_size || !ReadAt(file, h.optional_pos + dirs - 4, count, 4) ||
        GetU32(count) < 3 || !ReadAt(file, h.optional_pos + dirs + 2 * 8, resource, 8))
      return std::nullopt;
    uint32_t base = GetU32(resource);
    if (base == 0) return std::nullopt;

    // Type 16 (version), name 1, then the first language: two subdirectories
    // and a leaf.
    std::optional<uint32_t> type = FindEntry(file, h, base, 0, 16);
    if (!type || !(*type & kSubdirectory)) return std::nullopt;
    std::optional<uint32_t> name = FindEntry(file, h, base, *type & ~kSubdirectory, 1);
    if (!name || !(*name & kSubdirectory)) return std::nullopt;
    std::optional<uint32_t> language = FindEntry(file, h, base, *name & ~kSubdirectory, -1);
    if (!language || (*language & kSubdirectory)) return std::nullopt;
    uint8_t leaf[8];
    if (!ReadRva(file, h, base + *language, leaf, sizeof leaf)) return std::nullopt;
    uint32_t data = GetU32(leaf), size = GetU32(leaf + 4);

    // The fixed part begins at 40: 6 bytes of header, 32 of key, 2 of padding.
    constexpr uint32_t kFixed = 40, kFixedSize = 52;
    uint8_t info[kFixed + kFixedSize];  // the whole fixed part must be there
    if (size < kFixed + kFixedSize || !ReadRva(file, h, data, info, sizeof info)) return std::nullopt;
    static const char16_t kKey[] = u"VS_VERSION_INFO";
    for (size_t i = 0; i < 16; ++i)
      if (GetU16(info + 6 + 2 * i) != static_cast<uint16_t>(kKey[i])) return std::nullopt;
    if (GetU16(info) < kFixed + kFixedSize || GetU16(info + 2) < kFixedSize || GetU32(info + kFixed) != 0xFEEF04BD)
      return std::nullopt;
    uint32_t high = GetU32(info + kFixed + 8), low = GetU32(info + kFixed + 12);
    return TPeFileVersion{high >> 16, high & 0xFFFF, low >> 16, low & 0xFFFF};
  } catch (const EStreamError&) {
    return std::nullopt;
  }
}

}  // namespace xs
