// A stream that passes writes on and keeps the count and CRC-32 of what went
// through, so that what was streamed to a file can be checked against the
// file without holding it.
#pragma once

#include <cstdint>

#include "base/stream.h"
#include "package/crc32.h"

namespace xs {

class TChecksumWriter : public TStream {
 public:
  explicit TChecksumWriter(TStream& destination) : destination_(destination) {}
  int64_t Read(void*, int64_t) override { throw EStreamError("write-only stream"); }
  int64_t Write(const void* buffer, int64_t count) override {
    int64_t n = destination_.Write(buffer, count);
    if (n > 0) {
      crc_ = CRC32Update(crc_, buffer, n);
      written_ += n;
    }
    return n;
  }
  int64_t Seek(int64_t offset, SeekOrigin origin) override { return destination_.Seek(offset, origin); }
  uint32_t Checksum() const { return crc_; }
  // The bytes written through this stream.
  int64_t Written() const { return written_; }

 private:
  TStream& destination_;
  uint32_t crc_ = 0;
  int64_t written_ = 0;
};

}  // namespace xs
