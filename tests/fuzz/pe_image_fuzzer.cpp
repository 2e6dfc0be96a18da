// Feeds arbitrary bytes to the PE reader as a file: where its image ends and
// its file version. Both must answer or decline, never crash or hang; an
// image end found is past the file's start.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/pe_image.h"

using namespace xs;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TMemoryStream file(std::vector<uint8_t>(data, data + size));
  std::optional<int64_t> end = PeImageEnd(file);
  if (end && *end <= 0) std::abort();
  PeFileVersion(file);
  return 0;
}
