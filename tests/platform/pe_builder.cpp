#include "pe_builder.h"

#include "core/stream.h"
#include "platform/file_stream.h"

namespace xs {

bool WriteVersionedFile(const std::string& name, uint32_t major, uint32_t minor, uint32_t release, uint32_t build) {
  PeBuilder b;
  b.version_ms = (major & 0xFFFF) << 16 | (minor & 0xFFFF);
  b.version_ls = (release & 0xFFFF) << 16 | (build & 0xFFFF);
  std::vector<uint8_t> image = b.Build();
  try {
    TFileStream file(name, FileMode::Create);
    file.WriteBuffer(image.data(), static_cast<int64_t>(image.size()));
    return true;
  } catch (const EStreamError&) {
    return false;
  }
}

}  // namespace xs
