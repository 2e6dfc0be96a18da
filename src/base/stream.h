// Byte streams with a position: the abstract TStream and the in-memory
// TMemoryStream. Sizes and positions are signed 64-bit.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/exception.h"

namespace xs {

// Raised by ReadBuffer/WriteBuffer when fewer bytes than asked could move,
// and by streams that cannot do what was asked of them.
class EStreamError : public Exception {
 public:
  using Exception::Exception;
};

enum class SeekOrigin { Begin, Current, End };

class TStream {
 public:
  virtual ~TStream() = default;

  // Reads up to count bytes at the position and advances it. Returns the
  // number read: less than count only at the end of the stream. May raise
  // EStreamError on a device failure.
  virtual int64_t Read(void* buffer, int64_t count) = 0;
  // Writes up to count bytes at the position and advances it; returns the
  // number written. May raise EStreamError on a device failure.
  virtual int64_t Write(const void* buffer, int64_t count) = 0;
  // Moves the position; returns the new position, or -1 when it cannot.
  virtual int64_t Seek(int64_t offset, SeekOrigin origin) = 0;
  // Sets the stream's length (truncating or extending). Raises EStreamError
  // when the stream cannot change its size.
  virtual void SetSize(int64_t size);
  virtual int64_t Size();

  int64_t Position() { return Seek(0, SeekOrigin::Current); }
  void SetPosition(int64_t pos) { Seek(pos, SeekOrigin::Begin); }

  // Exactly count bytes or EStreamError.
  void ReadBuffer(void* buffer, int64_t count);
  void WriteBuffer(const void* buffer, int64_t count);
  // Copies count bytes from source's position (count 0: all of source, from
  // its start). Returns the number copied; EStreamError when source runs out.
  int64_t CopyFrom(TStream& source, int64_t count);
};

// All of source, from its start, as text. Raises as ReadBuffer.
std::string ReadAllText(TStream& source);

class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::vector<uint8_t> bytes) : data_(std::move(bytes)) {}

  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, SeekOrigin origin) override;
  void SetSize(int64_t size) override;
  int64_t Size() override { return static_cast<int64_t>(data_.size()); }

  void Clear() { data_.clear(); pos_ = 0; }
  const std::vector<uint8_t>& Bytes() const { return data_; }
  std::vector<uint8_t>& Bytes() { return data_; }
  // Replaces the contents with all of source (from its start); position 0.
  void LoadFromStream(TStream& source);

 private:
  std::vector<uint8_t> data_;
  int64_t pos_ = 0;
};

}  // namespace xs
