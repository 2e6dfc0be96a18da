// Reading the headers of a Windows executable (PE) file, on any platform.
#pragma once

#include <cstdint>
#include <optional>

#include "base/stream.h"

namespace xs {

// The file offset where the last section's raw data ends: the first byte of
// whatever was appended to the executable. Empty when the stream does not
// hold a well-formed PE image.
std::optional<int64_t> PeImageEnd(TStream& file);

// The machine types of the COFF header that the programs are built for.
inline constexpr uint16_t kPeMachineI386 = 0x14C;
inline constexpr uint16_t kPeMachineAmd64 = 0x8664;

// The machine type the image was built for (kPeMachineI386, kPeMachineAmd64
// or another). Empty when the stream does not hold a well-formed PE image.
std::optional<uint16_t> PeMachine(TStream& file);

// The file version of a version resource: the high and low 16 bits of its
// most significant 32 bits, then of its least significant 32 bits.
struct TPeFileVersion {
  uint32_t Major = 0, Minor = 0, Release = 0, Build = 0;
  bool operator==(const TPeFileVersion&) const = default;
};

// The file version in the image's version resource (type 16, name 1, its
// first language), as the system's version functions report it. Empty when
// the stream holds no well-formed PE image, no such resource, or one without
// its fixed part.
std::optional<TPeFileVersion> PeFileVersion(TStream& file);

}  // namespace xs
