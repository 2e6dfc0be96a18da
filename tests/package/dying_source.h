// Bytes that end the process halfway through, as a kill or a power cut
// would: for tests that run a second copy of the program and look at what
// it left behind.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "base/stream.h"
#include "package/stream_object.h"

namespace xs {

// twice half bytes of 'n'; reading past the first half ends the process
// with kDied. A read moves at most half bytes, so the first half is read
// (and written on) before the end.
class DyingSource : public TXByteSource {
 public:
  static constexpr int kDied = 9;
  explicit DyingSource(int64_t half = 50000) : half_(half) {}
  bool IsEmpty() const override { return false; }
  std::unique_ptr<TStream> Open() const override { return std::make_unique<Stream>(half_); }
  std::unique_ptr<TXByteSource> Clone() const override { return std::make_unique<DyingSource>(half_); }

 private:
  class Stream : public TMemoryStream {
   public:
    explicit Stream(int64_t half) : TMemoryStream(std::vector<uint8_t>(2 * half, 'n')), half_(half) {}
    int64_t Read(void* buffer, int64_t count) override {
      if (Position() >= half_) std::_Exit(kDied);
      return TMemoryStream::Read(buffer, count < half_ ? count : half_);
    }

   private:
    int64_t half_;
  };
  int64_t half_;
};

}  // namespace xs
