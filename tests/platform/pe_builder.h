// Minimal PE images with a version resource, built in memory, for tests
// that need files of chosen versions.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace xs {

// Builds a minimal PE image with a resource section that holds a version
// resource, with knobs to break each part the reader relies on.
struct PeBuilder {
  bool pe32_plus = true;
  uint32_t type_id = 16, name_id = 1;
  uint16_t value_length = 52;
  uint32_t signature = 0xFEEF04BD;
  const char16_t* key = u"VS_VERSION_INFO";
  uint32_t version_ms = 0x00070001, version_ls = 0x000900AA;  // 7.1.9.170

  std::vector<uint8_t> bytes;

  void Put16(size_t at, uint32_t v) {
    if (bytes.size() < at + 2) bytes.resize(at + 2);
    bytes[at] = v & 0xFF;
    bytes[at + 1] = v >> 8 & 0xFF;
  }
  void Put32(size_t at, uint32_t v) {
    Put16(at, v & 0xFFFF);
    Put16(at + 2, v >> 16);
  }

  std::vector<uint8_t> Build() {
    bytes.assign(0x200, 0);
    bytes[0] = 'M', bytes[1] = 'Z';
    Put32(0x3C, 0x40);
    std::memcpy(&bytes[0x40], "PE\0\0", 4);
    const size_t coff = 0x44, opt = 0x58;
    const uint32_t dirs = pe32_plus ? 112 : 96, opt_size = dirs + 16 * 8;
    Put16(coff, pe32_plus ? 0x8664 : 0x14C);
    Put16(coff + 2, 1);
    Put16(coff + 16, opt_size);
    Put16(opt, pe32_plus ? 0x20B : 0x10B);
    Put32(opt + dirs - 4, 16);
    const uint32_t rva = 0x1000, raw = 0x200, res_size = 0x58 + 92;
    Put32(opt + dirs + 16, rva);
    Put32(opt + dirs + 20, res_size);
    const size_t section = opt + opt_size;
    std::memcpy(&bytes[section], ".rsrc", 5);
    Put32(section + 8, res_size);
    Put32(section + 12, rva);
    Put32(section + 16, res_size);
    Put32(section + 20, raw);
    // type -> name -> language -> leaf, each directory with one id entry
    Put16(raw + 14, 1), Put32(raw + 16, type_id), Put32(raw + 20, 0x80000018);
    Put16(raw + 0x18 + 14, 1), Put32(raw + 0x28, name_id), Put32(raw + 0x2C, 0x80000030);
    Put16(raw + 0x30 + 14, 1), Put32(raw + 0x40, 0x409), Put32(raw + 0x44, 0x48);
    Put32(raw + 0x48, rva + 0x58), Put32(raw + 0x4C, 92);
    const size_t info = raw + 0x58;
    Put16(info, 92), Put16(info + 2, value_length), Put16(info + 4, 0);
    for (size_t i = 0; i < 16; ++i) Put16(info + 6 + 2 * i, key[i]);
    Put32(info + 40, signature), Put32(info + 44, 0x10000);
    Put32(info + 48, version_ms), Put32(info + 52, version_ls);
    Put32(info + 88, 0);  // the fixed part's last field: the image ends here
    return bytes;
  }
};

// Writes a PE image whose version resource holds the four numbers (each
// 16 bits wide); false when the file cannot be written.
bool WriteVersionedFile(const std::string& name, uint32_t major, uint32_t minor, uint32_t release, uint32_t build);

}  // namespace xs
