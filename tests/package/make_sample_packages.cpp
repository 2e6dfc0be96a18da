// Writes the packages the inspection tests run xsetup-build on:
//   sample.pkg    the shared sample package
//   prefixed.bin  the same behind 1000 bytes, with trailing bytes (--start 1000)
//   cut.pkg       cut inside the last item's data (a chain without end: 17)
//   badlink.pkg   a link whose Next does not match its checksum (11)
//   baditem.pkg   loads, but one stored item fails its checksum (11)
//   badheader.pkg one header record's body fails its checksum: the load steps
//                 over it, verify and dump report the damage (14)
// Usage: make_sample_packages DIR
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "package/qstream.h"
#include "platform/file_stream.h"
#include "sample_package.h"

using namespace xs;

namespace {

void Save(const std::string& name, const std::vector<uint8_t>& bytes) {
  TFileStream f(name, FileMode::Create);
  f.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_sample_packages DIR\n");
    return 2;
  }
  try {
    std::string dir = std::string(argv[1]) + "/";
    std::vector<uint8_t> sample = test::SamplePackage();
    Save(dir + "sample.pkg", sample);

    std::vector<uint8_t> prefix(1000, 'M');
    std::vector<uint8_t> prefixed = test::SamplePackage(1000, prefix);
    prefixed.insert(prefixed.end(), 300, 0xA5);
    Save(dir + "prefixed.bin", prefixed);

    TMemoryStream s(sample);
    TXQStream c;
    if (!c.Open(omRead, &s, false, nullptr, 0)) return 1;
    const TXRHeaderObject& objects = *c.Groups[1]->Headers[0];
    const TXRHeaderObject& items = *c.Groups[1]->Headers[1];

    std::vector<uint8_t> cut(sample.begin(), sample.begin() + items.DataOffset() + 1);
    Save(dir + "cut.pkg", cut);

    std::vector<uint8_t> badlink = sample;
    badlink[objects.Offset - 16 + 8] ^= 1;
    Save(dir + "badlink.pkg", badlink);

    std::vector<uint8_t> baditem = sample;
    baditem[c.ItemSpan(objects, 2)->Position] ^= 1;  // the raw block
    Save(dir + "baditem.pkg", baditem);

    std::vector<uint8_t> badheader = sample;
    badheader[items.Offset + 8 + 2] ^= 1;  // in the body of the item header
    Save(dir + "badheader.pkg", badheader);
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_sample_packages: %s\n", e.what());
    return 1;
  }
}
