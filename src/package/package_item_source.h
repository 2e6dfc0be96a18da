// The bytes of a stream object left in a package file: a byte source
// (stream_object.h) that reads one container item from the file on demand,
// inflating it block by block, so that a large file's contents can go from
// the package to disk without being held in memory.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "package/record_stream.h"
#include "package/stream_object.h"

namespace xs {

// Which item of which package file.
struct TXPackageItemLocation {
  std::string FileName;
  int64_t StartOffset = 0;  // of the container in the file
  std::string Group;
  int HeaderIndex = 0;
  int ItemIndex = 0;

  // "file name: group/header/item", for messages.
  std::string Describe() const;
};

class TXPackageItemSource : public TXByteSource {
 public:
  // span: where the item's stored bytes lie in the file, as the container
  // that found the item saw them; limit: the most bytes they may give (the
  // size the item's owner declares).
  TXPackageItemSource(TXPackageItemLocation location, const TXItemSpan& span, int64_t limit);

  const TXPackageItemLocation& Location() const { return location_; }
  const TXItemSpan& Span() const { return span_; }

  bool IsEmpty() const override { return span_.Entry.Size == 0; }
  // Opens the file read-only (others denied writing) and returns a
  // forward-only stream over the item's bytes: Read inflates (or copies)
  // through a window over exactly the stored bytes, about 100 KiB of memory
  // whatever the item's size; at the end of the bytes their checksum is
  // verified. More bytes than the limit, or a zlib stream that ends early,
  // fail like a checksum mismatch. Seeking works only to the current
  // position.
  // Raises EXError after recording errFileOpen (3: the file cannot be
  // opened; Extra the system's error number, Text the file name) or errLoad
  // (the item no longer fits in the file). Reading raises EXError after
  // recording errChecksum (the bytes do not match their checksum) or
  // errLoad (corrupt compressed data).
  std::unique_ptr<TStream> Open() const override;
  std::unique_ptr<TXByteSource> Clone() const override;

 private:
  TXPackageItemLocation location_;
  TXItemSpan span_;
  int64_t limit_;
};

}  // namespace xs
