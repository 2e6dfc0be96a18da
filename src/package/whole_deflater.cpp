#include "package/whole_deflater.h"

#ifdef XS_HAVE_LIBDEFLATE
#include <libdeflate.h>
#else
#include <zlib.h>
#endif

#include <algorithm>

#include "package/zstream.h"

namespace xs {

#ifdef XS_HAVE_LIBDEFLATE

TXWholeDeflater::TXWholeDeflater(int level) : compressor_(libdeflate_alloc_compressor(level)), level_(level) {
  if (!compressor_) throw EZCompressionError("deflate cannot start");
}

// libdeflate's near-optimal levels (10 to 12) keep about 9 MB each, the
// others under 1 MB.
int64_t TXWholeDeflater::StateBytes(int level) { return level >= 10 ? int64_t{9} << 20 : int64_t{1} << 20; }

TXWholeDeflater::~TXWholeDeflater() { libdeflate_free_compressor(static_cast<libdeflate_compressor*>(compressor_)); }

std::vector<uint8_t> TXWholeDeflater::Deflate(const uint8_t* bytes, size_t count) {
  auto* c = static_cast<libdeflate_compressor*>(compressor_);
  std::vector<uint8_t> out(libdeflate_zlib_compress_bound(c, count));
  size_t n = libdeflate_zlib_compress(c, bytes, count, out.data(), out.size());
  if (n == 0) throw EZCompressionError("deflate failed");
  out.resize(n);
  out.shrink_to_fit();
  return out;
}

#else

TXWholeDeflater::TXWholeDeflater(int level) : level_(std::min(level, 9)) {}

// zlib's deflate state at level 9 and its default memory level.
int64_t TXWholeDeflater::StateBytes(int) { return int64_t{300} << 10; }

TXWholeDeflater::~TXWholeDeflater() = default;

std::vector<uint8_t> TXWholeDeflater::Deflate(const uint8_t* bytes, size_t count) {
  uLongf n = compressBound(static_cast<uLong>(count));
  std::vector<uint8_t> out(n);
  int rc = compress2(out.data(), &n, bytes, static_cast<uLong>(count), level_);
  if (rc != Z_OK) throw EZCompressionError(zError(rc));
  out.resize(n);
  out.shrink_to_fit();
  return out;
}

#endif

}  // namespace xs
