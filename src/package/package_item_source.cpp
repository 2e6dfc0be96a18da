#include "package/package_item_source.h"

#include "base/error.h"
#include "package/compression.h"
#include "package/crc32.h"
#include "package/stream_at.h"
#include "package/sub_stream.h"
#include "platform/file_stream.h"

namespace xs {
namespace {

[[noreturn]] void Fail(int code, int extra, const std::string& text) {
  XError().SetError(code, extra, false, text);
  throw EXError(code);
}

// Reads one stored item front to back: the file, a window over exactly the
// item's stored bytes and, for a compressed item, an inflater over the
// window; the checksum is kept as the bytes go by.
class TItemReader : public TStream {
 public:
  TItemReader(const TXPackageItemLocation& location, const TXItemSpan& span, int64_t limit)
      : location_(location), entry_(span.Entry), limit_(limit), file_(Open(location.FileName)) {
    int64_t end = 0;
    if (span.Position < 0 || entry_.Size < 0 || !CheckedAdd(span.Position, entry_.Size, end) ||
        end > file_->Size())
      Fail(errLoad, 0, location_.Describe());
    window_ = std::make_unique<TXSubStream>(*file_, entry_.Size, span.Position);
    SeekExactly(*window_, 0);
    if (entry_.Compressed() && entry_.Size > 0) inflater_ = std::make_unique<TXDecompressionStream>(*window_);
  }

  int64_t Read(void* buffer, int64_t count) override {
    if (count <= 0 || done_) return 0;
    int64_t n = 0;
    // One byte more than the limit allows tells an overlong item apart.
    int64_t room = limit_ - produced_;
    int64_t want = room < count ? room + 1 : count;
    try {
      n = inflater_ ? inflater_->Decompress(buffer, want, nullptr) : window_->Read(buffer, want);
    } catch (const EZLibError&) {
      Fail(errLoad, 0, location_.Describe());
    }
    if (n > limit_ - produced_) Fail(errChecksum, 0, location_.Describe());
    crc_ = CRC32Update(crc_, buffer, n);
    produced_ += n;
    if (n < want) {
      done_ = true;
      bool ended = !inflater_ || inflater_->Ended();
      if (!ended || crc_ != entry_.Checksum) Fail(errChecksum, 0, location_.Describe());
    }
    return n;
  }
  int64_t Write(const void*, int64_t) override { throw EStreamError("a package item is read-only"); }
  int64_t Seek(int64_t offset, SeekOrigin origin) override {
    bool here = (origin == SeekOrigin::Current && offset == 0) || (origin == SeekOrigin::Begin && offset == produced_);
    return here ? produced_ : -1;
  }

 private:
  static std::unique_ptr<TFileStream> Open(const std::string& file_name) {
    try {
      return std::make_unique<TFileStream>(file_name, FileMode::OpenRead);
    } catch (const EFOpenError& e) {
      Fail(errFileOpen, e.SystemCode(), file_name);
    }
  }

  TXPackageItemLocation location_;
  TXRItemEntry entry_;
  int64_t limit_;
  std::unique_ptr<TFileStream> file_;
  std::unique_ptr<TXSubStream> window_;
  std::unique_ptr<TXDecompressionStream> inflater_;
  uint32_t crc_ = 0;
  int64_t produced_ = 0;
  bool done_ = false;
};

}  // namespace

std::string TXPackageItemLocation::Describe() const {
  return FileName + ": " + Group + "/" + std::to_string(HeaderIndex) + "/" + std::to_string(ItemIndex);
}

TXPackageItemSource::TXPackageItemSource(TXPackageItemLocation location, const TXItemSpan& span, int64_t limit)
    : location_(std::move(location)), span_(span), limit_(limit) {}

std::unique_ptr<TStream> TXPackageItemSource::Open() const {
  return std::make_unique<TItemReader>(location_, span_, limit_);
}

std::unique_ptr<TXByteSource> TXPackageItemSource::Clone() const {
  return std::make_unique<TXPackageItemSource>(location_, span_, limit_);
}

}  // namespace xs
