// Items whose stored form is prepared before the writer reaches them, so
// that their compression can run on other threads while the container is
// written in order.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "package/stream_object.h"

namespace xs {

// A stream object's bytes as a compressed container item holds them.
struct TXStoredItem {
  std::vector<uint8_t> Bytes;  // one zlib stream
  uint32_t Checksum = 0;       // CRC32 of the bytes it inflates to
};

class TXStoredItemProvider {
 public:
  virtual ~TXStoredItemProvider() = default;
  // The stored form of object's bytes, waiting while it is being prepared;
  // empty when none is prepared for object (the writer then compresses the
  // bytes itself, and meets any fault of their source on its own thread).
  // Each object is asked for once, in the order the writer writes them.
  virtual std::optional<TXStoredItem> Take(const TXStreamObject& object) = 0;
};

}  // namespace xs
