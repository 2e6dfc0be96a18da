// A stream that keeps nothing: it counts what is written to it. Used where
// only the passing of bytes matters (verifying checksums of large items).
#pragma once

#include <algorithm>

#include "base/stream.h"

namespace xs {

class TNullStream : public TStream {
 public:
  // Reads nothing.
  int64_t Read(void*, int64_t) override { return 0; }
  // Takes count bytes and drops them; moves the position.
  int64_t Write(const void*, int64_t count) override {
    if (count <= 0) return 0;
    pos_ += count;
    size_ = std::max(size_, pos_);
    return count;
  }
  // Moves within [0, Size]; anything else gives -1.
  int64_t Seek(int64_t offset, SeekOrigin origin) override {
    int64_t target = (origin == SeekOrigin::Begin ? 0 : origin == SeekOrigin::Current ? pos_ : size_) + offset;
    if (target < 0 || target > size_) return -1;
    return pos_ = target;
  }
  void SetSize(int64_t size) override {
    size_ = std::max<int64_t>(size, 0);
    pos_ = std::min(pos_, size_);
  }
  int64_t Size() override { return size_; }

 private:
  int64_t pos_ = 0;
  int64_t size_ = 0;
};

}  // namespace xs
