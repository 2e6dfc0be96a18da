#include "package/crc32.h"

#include <zlib.h>

#include <algorithm>
#include <exception>
#include <vector>

#include "base/error.h"

namespace xs {

namespace {
constexpr int64_t kBlock = 32768;
}

uint32_t CRC32Update(uint32_t crc, const void* buffer, int64_t count) {
  // zlib takes 32-bit lengths; feed larger buffers in slices.
  const Bytef* p = static_cast<const Bytef*>(buffer);
  uLong c = crc;
  while (count > 0) {
    uInt n = static_cast<uInt>(std::min<int64_t>(count, 1 << 30));
    c = crc32(c, p, n);
    p += n;
    count -= n;
  }
  return static_cast<uint32_t>(c);
}

bool CRC32Buffer(const void* buffer, int64_t length, uint32_t& checksum, bool raise) {
  checksum = CRC32Update(0, buffer, length);
  XError().Clear();
  return true;
}

bool CRC32StreamRange(TStream& stream, uint32_t& checksum, bool raise, int64_t count, int64_t offset) {
  bool ok = false;
  try {
    if (count >= 0 && offset >= 0 && stream.Seek(offset, SeekOrigin::Begin) == offset) {
      std::vector<uint8_t> block(static_cast<size_t>(std::min(count, kBlock)));
      uint32_t crc = 0;
      int64_t left = count;
      while (left > 0) {
        int64_t n = std::min(left, kBlock);
        if (stream.Read(block.data(), n) != n) break;
        crc = CRC32Update(crc, block.data(), n);
        left -= n;
      }
      checksum = crc;
      ok = left == 0;
    }
  } catch (const std::exception&) {
    ok = false;
  }
  return XError().CheckError(ok, errChecksumRead, raise);
}

bool CRC32Stream(TStream& stream, uint32_t& checksum, bool raise) {
  int64_t size = 0;
  try {
    size = stream.Size();
  } catch (const std::exception&) {
    return XError().CheckError(false, errChecksumRead, raise);
  }
  return CRC32StreamRange(stream, checksum, raise, size, 0);
}

bool VerifyCRC32(uint32_t actual, uint32_t expected, bool raise) {
  return XError().CheckError(actual == expected, errChecksum, raise);
}

bool VerifyCRC32Buffer(const void* buffer, int64_t length, uint32_t expected, bool raise) {
  return VerifyCRC32(CRC32Update(0, buffer, length), expected, raise);
}

bool VerifyCRC32Stream(TStream& stream, uint32_t expected, bool raise) {
  uint32_t actual = 0;
  return CRC32Stream(stream, actual, raise) && VerifyCRC32(actual, expected, raise);
}

}  // namespace xs
