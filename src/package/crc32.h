// CRC-32 checksums of buffers and stream ranges (the reflected CRC-32 of
// zlib and PNG; the checksum of no bytes is 0).
//
// Unlike most operations these replace whatever code the error object holds:
// success clears it, a source that cannot be read records errChecksumRead and
// a mismatch records errChecksum. With raise set, a failure also throws
// EXError after recording.
#pragma once

#include <cstdint>

#include "base/stream.h"

namespace xs {

// Continues crc (0 to start) over count bytes; pure, touches no error state.
uint32_t CRC32Update(uint32_t crc, const void* buffer, int64_t count);

// checksum := CRC32 of the buffer. Always succeeds.
bool CRC32Buffer(const void* buffer, int64_t length, uint32_t& checksum, bool raise = false);
// checksum := CRC32 of count bytes of stream from offset, read in 32 KiB
// blocks. On failure (the stream cannot be positioned, fails, or ends before
// count bytes) records errChecksumRead; checksum is then unspecified.
bool CRC32StreamRange(TStream& stream, uint32_t& checksum, bool raise, int64_t count, int64_t offset);
// The whole stream, from position 0.
bool CRC32Stream(TStream& stream, uint32_t& checksum, bool raise = false);
// True when the buffer's CRC32 equals expected; a mismatch records errChecksum.
bool VerifyCRC32Buffer(const void* buffer, int64_t length, uint32_t expected, bool raise = false);
// True when the whole stream's CRC32 equals expected; errors as CRC32Stream,
// a mismatch records errChecksum.
bool VerifyCRC32Stream(TStream& stream, uint32_t expected, bool raise = false);
// Compares an already computed checksum: equal clears the error object, a
// mismatch records errChecksum.
bool VerifyCRC32(uint32_t actual, uint32_t expected, bool raise = false);

}  // namespace xs
