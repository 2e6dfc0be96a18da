// Stream adapters over one zlib deflate or inflate state (zlib header and
// trailer included). They move data between the caller and an underlying
// stream through a 64 KiB buffer.
#pragma once

#include <zlib.h>

#include <functional>
#include <vector>

#include "base/exception.h"
#include "base/stream.h"

namespace xs {

// Failures of the adapters. A zlib failure carries zlib's own text for its
// code ("data error", "stream error", ...); an operation the adapter does not
// support carries "Invalid ZStream operation!".
class EZLibError : public Exception {
 public:
  using Exception::Exception;
};
class EZCompressionError : public EZLibError {
 public:
  using EZLibError::EZLibError;
};
class EZDecompressionError : public EZLibError {
 public:
  using EZLibError::EZLibError;
};

// zlib level for a compression level index: 0 -> 0, 1 -> 1 (fastest),
// 2 -> the zlib default, 3 -> 9 (best). Other indexes get the default.
int ZLibLevel(int level_index);

class TCustomZStream : public TStream {
 public:
  static constexpr int64_t kBufferSize = 65536;

  // Fired each time the adapter moves a buffer to or from the underlying
  // stream.
  std::function<void(TCustomZStream&)> OnProgress;

 protected:
  // The underlying stream is borrowed; the adapter starts at its position.
  explicit TCustomZStream(TStream& underlying);
  // Others may move the underlying stream between calls: each call first
  // returns it to where the adapter left it.
  void RestorePosition();
  void Progress();

  TStream& underlying_;
  int64_t underlying_pos_;
  z_stream z_{};
  std::vector<uint8_t> buffer_;
};

class TZCompressionStream : public TCustomZStream {
 public:
  // On failure (zlib cannot start) raises EZCompressionError.
  TZCompressionStream(TStream& destination, int zlib_level);
  ~TZCompressionStream() override;

  // Feeds count bytes to deflate without flushing; full buffers go to the
  // destination. Returns count. Raises EZCompressionError on a zlib failure
  // and EStreamError when the destination takes less than a buffer.
  int64_t Write(const void* buffer, int64_t count) override;
  // Raises EZCompressionError: a compression adapter cannot be read.
  int64_t Read(void* buffer, int64_t count) override;
  // Only Seek(0, Current) is allowed: the number of input bytes consumed.
  // Anything else raises EZCompressionError.
  int64_t Seek(int64_t offset, SeekOrigin origin) override;

  // Writes all pending output, so that the destination then holds one
  // complete zlib stream. Raises as Write. Further writes are refused.
  void Finish();

 private:
  void Flush(int64_t bytes);
  int64_t consumed_ = 0;
  bool finished_ = false;
};

class TZDecompressionStream : public TCustomZStream {
 public:
  // On failure (zlib cannot start) raises EZDecompressionError.
  explicit TZDecompressionStream(TStream& source);
  ~TZDecompressionStream() override;

  // Inflates up to count bytes. Returns fewer only when the zlib stream
  // ended (the source then stands right behind it) or the source ran out.
  // Raises EZDecompressionError on corrupt data.
  int64_t Read(void* buffer, int64_t count) override;
  // Raises EZDecompressionError: a decompression adapter cannot be written.
  int64_t Write(const void* buffer, int64_t count) override;
  // Only Seek(0, Current) is allowed: the number of bytes produced.
  // Anything else raises EZDecompressionError.
  int64_t Seek(int64_t offset, SeekOrigin origin) override;
  // Whether the zlib stream's end was reached (so it was complete).
  bool Ended() const { return ended_; }

 private:
  int64_t produced_ = 0;
  bool ended_ = false;
};

}  // namespace xs
