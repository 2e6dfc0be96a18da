#include "pe_builder.h"

#include "platform_fixture.h"

namespace xs {

bool WriteVersionedFile(const std::string& name, uint32_t major, uint32_t minor, uint32_t release, uint32_t build) {
  PeBuilder b;
  b.version_ms = (major & 0xFFFF) << 16 | (minor & 0xFFFF);
  b.version_ls = (release & 0xFFFF) << 16 | (build & 0xFFFF);
  std::vector<uint8_t> image = b.Build();
  return WriteTextFile(name, std::string(image.begin(), image.end()));
}

}  // namespace xs
