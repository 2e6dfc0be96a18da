#include "package/file_source.h"

#include "platform/file_stream.h"

namespace xs {
namespace {

// Reads the file front to back and holds it to its linked size.
class TSizedFileReader : public TStream {
 public:
  TSizedFileReader(const std::string& file_name, int64_t size) : file_(file_name, FileMode::OpenRead), size_(size) {}

  int64_t Read(void* buffer, int64_t count) override {
    if (count <= 0) return 0;
    int64_t room = size_ - read_;
    // One byte more than the size allows tells a grown file apart.
    int64_t n = file_.Read(buffer, room < count ? room + 1 : count);
    if (n > room) throw EStreamError(file_.FileName() + " grew while it was read");
    if (n < count && n < room) throw EStreamError(file_.FileName() + " shrank while it was read");
    read_ += n;
    return n;
  }
  int64_t Write(const void*, int64_t) override { throw EStreamError("a source file is read-only"); }
  int64_t Seek(int64_t offset, SeekOrigin origin) override {
    bool here = (origin == SeekOrigin::Current && offset == 0) || (origin == SeekOrigin::Begin && offset == read_);
    return here ? read_ : -1;
  }

 private:
  TFileStream file_;
  int64_t size_;
  int64_t read_ = 0;
};

}  // namespace

TXFileSource::TXFileSource(std::string file_name, int64_t size) : file_name_(std::move(file_name)), size_(size) {}

std::unique_ptr<TStream> TXFileSource::Open() const {
  return std::make_unique<TSizedFileReader>(file_name_, size_);
}

std::unique_ptr<TXByteSource> TXFileSource::Clone() const {
  return std::make_unique<TXFileSource>(file_name_, size_);
}

}  // namespace xs
