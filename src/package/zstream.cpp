#include "package/zstream.h"

#include <algorithm>

namespace xs {

namespace {
const char kInvalidOperation[] = "Invalid ZStream operation!";
// zlib counts in 32-bit units; larger requests are fed in slices.
constexpr int64_t kSlice = 1 << 30;

template <class E>
[[noreturn]] void ThrowZLib(int code) {
  throw E(zError(code));
}
}  // namespace

int ZLibLevel(int level_index) {
  static const int kLevels[] = {0, 1, Z_DEFAULT_COMPRESSION, 9};
  return level_index >= 0 && level_index <= 3 ? kLevels[level_index] : Z_DEFAULT_COMPRESSION;
}

TCustomZStream::TCustomZStream(TStream& underlying)
    : underlying_(underlying), underlying_pos_(underlying.Position()), buffer_(kBufferSize) {}

void TCustomZStream::RestorePosition() {
  if (underlying_.Position() != underlying_pos_ &&
      underlying_.Seek(underlying_pos_, SeekOrigin::Begin) != underlying_pos_)
    throw EStreamError("cannot position the zlib stream's underlying stream");
}

void TCustomZStream::Progress() {
  if (OnProgress) OnProgress(*this);
}

// --- deflate ---------------------------------------------------------------

TZCompressionStream::TZCompressionStream(TStream& destination, int zlib_level)
    : TCustomZStream(destination) {
  int rc = deflateInit(&z_, zlib_level);
  if (rc != Z_OK) ThrowZLib<EZCompressionError>(rc);
  z_.next_out = buffer_.data();
  z_.avail_out = static_cast<uInt>(kBufferSize);
}

TZCompressionStream::~TZCompressionStream() { deflateEnd(&z_); }

void TZCompressionStream::Flush(int64_t bytes) {
  RestorePosition();
  underlying_.WriteBuffer(buffer_.data(), bytes);
  underlying_pos_ += bytes;
  z_.next_out = buffer_.data();
  z_.avail_out = static_cast<uInt>(kBufferSize);
  Progress();
}

int64_t TZCompressionStream::Write(const void* buffer, int64_t count) {
  if (finished_) throw EZCompressionError(kInvalidOperation);
  const Bytef* p = static_cast<const Bytef*>(buffer);
  int64_t left = count;
  while (left > 0) {
    uInt slice = static_cast<uInt>(std::min(left, kSlice));
    z_.next_in = const_cast<Bytef*>(p);
    z_.avail_in = slice;
    while (z_.avail_in > 0) {
      int rc = deflate(&z_, Z_NO_FLUSH);
      if (rc < 0) ThrowZLib<EZCompressionError>(rc);
      if (z_.avail_out == 0) Flush(kBufferSize);
    }
    p += slice;
    left -= slice;
    consumed_ += slice;
  }
  return count;
}

void TZCompressionStream::Finish() {
  if (finished_) return;
  z_.next_in = nullptr;
  z_.avail_in = 0;
  for (;;) {
    int rc = deflate(&z_, Z_FINISH);
    if (rc < 0) ThrowZLib<EZCompressionError>(rc);
    if (rc == Z_STREAM_END) break;
    if (z_.avail_out == 0) Flush(kBufferSize);
  }
  int64_t pending = kBufferSize - z_.avail_out;
  if (pending > 0) Flush(pending);
  finished_ = true;
}

int64_t TZCompressionStream::Read(void*, int64_t) { throw EZCompressionError(kInvalidOperation); }

int64_t TZCompressionStream::Seek(int64_t offset, SeekOrigin origin) {
  if (offset == 0 && origin == SeekOrigin::Current) return consumed_;
  throw EZCompressionError(kInvalidOperation);
}

// --- inflate ---------------------------------------------------------------

TZDecompressionStream::TZDecompressionStream(TStream& source) : TCustomZStream(source) {
  int rc = inflateInit(&z_);
  if (rc != Z_OK) ThrowZLib<EZDecompressionError>(rc);
}

TZDecompressionStream::~TZDecompressionStream() { inflateEnd(&z_); }

int64_t TZDecompressionStream::Read(void* buffer, int64_t count) {
  Bytef* out = static_cast<Bytef*>(buffer);
  int64_t done = 0;
  while (done < count && !ended_) {
    if (z_.avail_in == 0) {
      RestorePosition();
      int64_t got = underlying_.Read(buffer_.data(), kBufferSize);
      if (got <= 0) break;
      underlying_pos_ += got;
      z_.next_in = buffer_.data();
      z_.avail_in = static_cast<uInt>(got);
      Progress();
    }
    uInt want = static_cast<uInt>(std::min(count - done, kSlice));
    uInt had = z_.avail_in;
    z_.next_out = out + done;
    z_.avail_out = want;
    int rc = inflate(&z_, Z_NO_FLUSH);
    done += want - z_.avail_out;
    // A preset dictionary is never used by this system's streams; without
    // this check inflate would wait for one forever. Likewise a call that
    // moved nothing would repeat itself forever.
    if (rc == Z_NEED_DICT) ThrowZLib<EZDecompressionError>(Z_DATA_ERROR);
    if (rc == Z_BUF_ERROR && z_.avail_in == had && z_.avail_out == want) ThrowZLib<EZDecompressionError>(rc);
    if (rc < 0 && rc != Z_BUF_ERROR) ThrowZLib<EZDecompressionError>(rc);
    if (rc == Z_STREAM_END) {
      ended_ = true;
      // Leave the underlying stream right behind the zlib stream.
      if (z_.avail_in > 0) {
        underlying_pos_ -= z_.avail_in;
        RestorePosition();
        z_.avail_in = 0;
      }
    }
  }
  produced_ += done;
  return done;
}

int64_t TZDecompressionStream::Write(const void*, int64_t) {
  throw EZDecompressionError(kInvalidOperation);
}

int64_t TZDecompressionStream::Seek(int64_t offset, SeekOrigin origin) {
  if (offset == 0 && origin == SeekOrigin::Current) return produced_;
  throw EZDecompressionError(kInvalidOperation);
}

}  // namespace xs
