#include "base/stream.h"

#include <algorithm>
#include <cstring>

namespace xs {

void TStream::SetSize(int64_t) { throw EStreamError("stream size cannot be changed"); }

int64_t TStream::Size() {
  int64_t pos = Seek(0, SeekOrigin::Current);
  int64_t end = Seek(0, SeekOrigin::End);
  Seek(pos, SeekOrigin::Begin);
  return end;
}

void TStream::ReadBuffer(void* buffer, int64_t count) {
  if (count > 0 && Read(buffer, count) != count) throw EStreamError("stream read error");
}

void TStream::WriteBuffer(const void* buffer, int64_t count) {
  if (count > 0 && Write(buffer, count) != count) throw EStreamError("stream write error");
}

std::string ReadAllText(TStream& source) {
  source.SetPosition(0);
  std::string text(static_cast<size_t>(source.Size()), '\0');
  source.ReadBuffer(text.data(), static_cast<int64_t>(text.size()));
  return text;
}

int64_t TStream::CopyFrom(TStream& source, int64_t count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.Size();
  }
  std::vector<uint8_t> buffer(static_cast<size_t>(std::min<int64_t>(count, 1 << 16)));
  int64_t left = count;
  while (left > 0) {
    int64_t n = std::min<int64_t>(left, static_cast<int64_t>(buffer.size()));
    source.ReadBuffer(buffer.data(), n);
    WriteBuffer(buffer.data(), n);
    left -= n;
  }
  return count;
}

int64_t TMemoryStream::Read(void* buffer, int64_t count) {
  if (count <= 0 || pos_ >= Size()) return 0;
  int64_t n = std::min(count, Size() - pos_);
  std::memcpy(buffer, data_.data() + pos_, static_cast<size_t>(n));
  pos_ += n;
  return n;
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count) {
  if (count <= 0) return 0;
  if (pos_ + count > Size()) data_.resize(static_cast<size_t>(pos_ + count));
  std::memcpy(data_.data() + pos_, buffer, static_cast<size_t>(count));
  pos_ += count;
  return count;
}

int64_t TMemoryStream::Seek(int64_t offset, SeekOrigin origin) {
  int64_t base = origin == SeekOrigin::Begin ? 0 : origin == SeekOrigin::Current ? pos_ : Size();
  int64_t target = base + offset;
  if (target < 0) return -1;
  pos_ = target;
  return pos_;
}

void TMemoryStream::SetSize(int64_t size) {
  if (size < 0) throw EStreamError("negative stream size");
  data_.resize(static_cast<size_t>(size));
  if (pos_ > size) pos_ = size;
}

void TMemoryStream::LoadFromStream(TStream& source) {
  source.SetPosition(0);
  data_.resize(static_cast<size_t>(source.Size()));
  source.ReadBuffer(data_.data(), Size());
  pos_ = 0;
}

}  // namespace xs
