// A window onto part of a base stream, so that a reader (the inflater's
// read-ahead above all) can never pass the end of one stored item.
#pragma once

#include <cstdint>

#include "base/stream.h"

namespace xs {

class TXSubStream : public TStream {
 public:
  // The window [offset, offset + size) of base (borrowed). The size is
  // clamped to what base holds after offset; a negative size becomes 0.
  TXSubStream(TStream& base, int64_t size, int64_t offset);

  // Reads from base at its current position, never past the window's end.
  int64_t Read(void* buffer, int64_t count) override;
  // Passes straight to base at its current position.
  int64_t Write(const void* buffer, int64_t count) override;
  // Positions are relative to the window's start and move base. Begin and
  // Current work as usual; End counts from the window's end (Size + offset).
  // A target before the window's start gives -1 and moves nothing.
  int64_t Seek(int64_t offset, SeekOrigin origin) override;
  // Sets the window size, clamped to [0, what base holds after Offset].
  void SetSize(int64_t size) override;
  int64_t Size() override { return size_; }

  int64_t Offset() const { return offset_; }

 private:
  TStream& base_;
  int64_t offset_;
  int64_t size_ = 0;
};

}  // namespace xs
