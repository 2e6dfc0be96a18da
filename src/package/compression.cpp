#include "package/compression.h"

#include <algorithm>
#include <vector>

namespace xs {

namespace {
constexpr int64_t kBlock = 32768;

// While alive, moves progress to the adapter's position as a share of total
// (the value can pass 100 % when inflating; it is held at 100). Finishes the
// item when the call ends, whichever way it ends.
class ProgressScope {
 public:
  ProgressScope(TCustomZStream& z, TXProgressItem* item, int64_t total) : z_(z), item_(item) {
    if (item_ && total > 0)
      z_.OnProgress = [item, total](TCustomZStream& s) {
        double percent = static_cast<double>(s.Position()) * 100.0 / static_cast<double>(total);
        PxSetPercent(item, static_cast<int>(std::min(percent, 100.0) + 0.5));
      };
  }
  ~ProgressScope() {
    z_.OnProgress = nullptr;
    PxFinish(item_);
  }

 private:
  TCustomZStream& z_;
  TXProgressItem* item_;
};
}  // namespace

TXCompressionStream::TXCompressionStream(TStream& destination, int level_index)
    : z_(destination, ZLibLevel(level_index)) {}

int64_t TXCompressionStream::Compress(const void* buffer, int64_t count, TXProgressItem* progress) {
  ProgressScope scope(z_, progress, count);
  return z_.Write(buffer, count);
}

int64_t TXCompressionStream::CompressFrom(TStream& source, TXProgressItem* progress, int64_t count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.Size();
  }
  ProgressScope scope(z_, progress, count);
  std::vector<uint8_t> block(static_cast<size_t>(std::clamp<int64_t>(count, 0, kBlock)));
  for (int64_t left = count; left > 0;) {
    int64_t n = std::min(left, kBlock);
    source.ReadBuffer(block.data(), n);
    z_.Write(block.data(), n);
    left -= n;
  }
  return std::max<int64_t>(count, 0);
}

TXDecompressionStream::TXDecompressionStream(TStream& source) : z_(source) {}

int64_t TXDecompressionStream::Decompress(void* buffer, int64_t count, TXProgressItem* progress) {
  ProgressScope scope(z_, progress, count);
  return z_.Read(buffer, count);
}

int64_t TXDecompressionStream::DecompressTo(TStream& destination, TXProgressItem* progress, int64_t total,
                                            int64_t limit) {
  ProgressScope scope(z_, progress, total);
  std::vector<uint8_t> block(kBlock);
  int64_t produced = 0;
  for (;;) {
    // One byte more than the limit allows tells an overlong stream apart.
    int64_t room = limit - produced;
    int64_t n = z_.Read(block.data(), room < kBlock ? room + 1 : kBlock);
    if (n <= 0) break;
    if (n > limit - produced) return limit + 1;
    destination.WriteBuffer(block.data(), n);
    produced += n;
  }
  return produced;
}

}  // namespace xs
