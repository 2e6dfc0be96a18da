// Reading the headers of a Windows executable (PE) file, on any platform.
#pragma once

#include <cstdint>
#include <optional>

#include "core/stream.h"

namespace xs {

// The file offset where the last section's raw data ends: the first byte of
// whatever was appended to the executable. Empty when the stream does not
// hold a well-formed PE image.
std::optional<int64_t> PeImageEnd(TStream& file);

}  // namespace xs
