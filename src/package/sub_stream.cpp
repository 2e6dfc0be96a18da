#include "package/sub_stream.h"

#include <algorithm>

#include "package/stream_at.h"

namespace xs {

TXSubStream::TXSubStream(TStream& base, int64_t size, int64_t offset)
    : base_(base), offset_(std::max<int64_t>(offset, 0)) {
  SetSize(size);
}

void TXSubStream::SetSize(int64_t size) {
  int64_t available = std::max<int64_t>(base_.Size() - offset_, 0);
  size_ = std::clamp<int64_t>(size, 0, available);
}

int64_t TXSubStream::Read(void* buffer, int64_t count) {
  int64_t pos = base_.Position() - offset_;
  if (count <= 0 || pos < 0 || pos >= size_) return 0;
  return base_.Read(buffer, std::min(count, size_ - pos));
}

int64_t TXSubStream::Write(const void* buffer, int64_t count) { return base_.Write(buffer, count); }

int64_t TXSubStream::Seek(int64_t offset, SeekOrigin origin) {
  int64_t from = origin == SeekOrigin::Begin ? 0 : origin == SeekOrigin::Current ? base_.Position() - offset_ : size_;
  int64_t target = 0;
  if (!CheckedAdd(from, offset, target) || target < 0) return -1;
  if (offset == 0 && origin == SeekOrigin::Current) return target;
  int64_t absolute = 0;
  if (!CheckedAdd(offset_, target, absolute)) return -1;
  int64_t got = base_.Seek(absolute, SeekOrigin::Begin);
  return got < 0 ? -1 : got - offset_;
}

}  // namespace xs
