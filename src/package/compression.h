// Compression and decompression of whole blocks over the zlib adapters, with
// progress reporting. The container stores every item with a negative id and
// every group's data this way.
#pragma once

#include <cstdint>

#include "base/progress.h"
#include "base/stream.h"
#include "package/zstream.h"

namespace xs {

// Writes one zlib stream into a destination, starting at its position.
class TXCompressionStream {
 public:
  // level_index as in ZLibLevel. Raises EZCompressionError when zlib fails.
  TXCompressionStream(TStream& destination, int level_index);

  // Deflates count bytes from buffer; returns count. Raises on a zlib or
  // destination failure. Finishes progress (also on failure).
  int64_t Compress(const void* buffer, int64_t count, TXProgressItem* progress);
  // Deflates count bytes from source's position (count 0: all of source from
  // position 0); returns the bytes taken. Raises EStreamError when source
  // ends early, and as Compress. Finishes progress (also on failure).
  int64_t CompressFrom(TStream& source, TXProgressItem* progress, int64_t count);
  // Writes the pending output: the destination then holds a complete zlib
  // stream. Must be called before destruction for the stream to be usable.
  void Finish() { z_.Finish(); }

 private:
  TZCompressionStream z_;
};

// Reads one zlib stream from a source, starting at its position.
class TXDecompressionStream {
 public:
  // Raises EZDecompressionError when zlib fails.
  explicit TXDecompressionStream(TStream& source);

  // Inflates up to count bytes into buffer; returns the bytes produced
  // (fewer at the end of the zlib stream or of the source). Raises
  // EZDecompressionError on corrupt data. Finishes progress.
  int64_t Decompress(void* buffer, int64_t count, TXProgressItem* progress);
  // Inflates everything into destination in 32 KiB blocks until nothing more
  // comes; returns the bytes produced. total (the stored size) scales the
  // progress. Stops as soon as more than limit bytes come out: then at most
  // limit bytes were written and the result is limit + 1, so that a few
  // stored bytes claiming gigabytes cost no more than limit. Raises as
  // Decompress and on a destination failure.
  int64_t DecompressTo(TStream& destination, TXProgressItem* progress, int64_t total,
                       int64_t limit = INT64_MAX);
  // Whether the zlib stream's end was reached; a stream cut short (its
  // source ran out) inflates without error but never ends.
  bool Ended() const { return z_.Ended(); }

 private:
  TZDecompressionStream z_;
};

}  // namespace xs
