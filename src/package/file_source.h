// The bytes of a stream object left in a file on disk: a byte source
// (stream_object.h) that a builder links a source file's contents to, so
// that they go from the disk into a package a block at a time instead of
// being held in memory.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "package/stream_object.h"

namespace xs {

class TXFileSource : public TXByteSource {
 public:
  // size: the file's size when it was linked; the bytes read later must
  // come to exactly that many.
  TXFileSource(std::string file_name, int64_t size);

  const std::string& FileName() const { return file_name_; }
  int64_t Size() const { return size_; }

  bool IsEmpty() const override { return size_ == 0; }
  // Opens the file read-only; raises EFOpenError when it cannot be opened.
  // Reading raises EStreamError as soon as the file gives more bytes than
  // its linked size, or ends before it: a file changed since it was linked
  // is never stored as half of one and half of the other.
  std::unique_ptr<TStream> Open() const override;
  std::unique_ptr<TXByteSource> Clone() const override;

 private:
  std::string file_name_;
  int64_t size_;
};

}  // namespace xs
