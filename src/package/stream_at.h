// Exact positioned reads and writes: the container never accepts a short
// transfer or a failed seek.
#pragma once

#include <cstdint>

#include "base/stream.h"

namespace xs {

// Moves stream to pos; raises EStreamError when it cannot get there.
inline void SeekExactly(TStream& stream, int64_t pos) {
  if (pos < 0 || stream.Seek(pos, SeekOrigin::Begin) != pos) throw EStreamError("cannot position the stream");
}
// Exactly count bytes at pos, or EStreamError.
inline void ReadAt(TStream& stream, int64_t pos, void* buffer, int64_t count) {
  SeekExactly(stream, pos);
  stream.ReadBuffer(buffer, count);
}
inline void WriteAt(TStream& stream, int64_t pos, const void* buffer, int64_t count) {
  SeekExactly(stream, pos);
  stream.WriteBuffer(buffer, count);
}

// a + b, or false when the sum leaves the signed 64-bit range.
inline bool CheckedAdd(int64_t a, int64_t b, int64_t& sum) { return !__builtin_add_overflow(a, b, &sum); }

}  // namespace xs
