// Deflates a whole buffer into one zlib stream in one call: with libdeflate
// where the build has it (smaller output, faster), else with zlib. The two
// give different bytes for the same input; each is the same on every run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace xs {

class TXWholeDeflater {
 public:
  // level 1..12; zlib stops at 9. Raises EZCompressionError when no
  // compressor can be made.
  explicit TXWholeDeflater(int level);
  ~TXWholeDeflater();
  TXWholeDeflater(const TXWholeDeflater&) = delete;
  TXWholeDeflater& operator=(const TXWholeDeflater&) = delete;

  // About what one deflater of level holds for itself, whatever it
  // compresses: its tables and windows.
  static int64_t StateBytes(int level);

  // The zlib stream of count bytes, in a vector of its own size. Raises
  // EZCompressionError on failure.
  std::vector<uint8_t> Deflate(const uint8_t* bytes, size_t count);

 private:
  void* compressor_ = nullptr;  // libdeflate's, where used
  [[maybe_unused]] int level_;
};

}  // namespace xs
