#include "platform/file_version.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "core/pe_image.h"
#include "platform/command_line.h"
#include "platform/file_stream.h"
#include "platform/file_system.h"
#include "platform/system_error.h"
#include "platform/system_info.h"
#include "platform_fixture.h"

namespace xs {
namespace {

// Builds a minimal PE image with a resource section that holds a version
// resource, with knobs to break each part the reader relies on.
struct PeBuilder {
  bool pe32_plus = true;
  uint32_t type_id = 16, name_id = 1;
  uint16_t value_length = 52;
  uint32_t signature = 0xFEEF04BD;
  const char16_t* key = u"VS_VERSION_INFO";
  uint32_t version_ms = 0x00070001, version_ls = 0x000900AA;  // 7.1.9.170

  std::vector<uint8_t> bytes;

  void Put16(size_t at, uint32_t v) {
    if (bytes.size() < at + 2) bytes.resize(at + 2);
    bytes[at] = v & 0xFF;
    bytes[at + 1] = v >> 8 & 0xFF;
  }
  void Put32(size_t at, uint32_t v) {
    Put16(at, v & 0xFFFF);
    Put16(at + 2, v >> 16);
  }

  std::vector<uint8_t> Build() {
    bytes.assign(0x200, 0);
    bytes[0] = 'M', bytes[1] = 'Z';
    Put32(0x3C, 0x40);
    std::memcpy(&bytes[0x40], "PE\0\0", 4);
    const size_t coff = 0x44, opt = 0x58;
    const uint32_t dirs = pe32_plus ? 112 : 96, opt_size = dirs + 16 * 8;
    Put16(coff, pe32_plus ? 0x8664 : 0x14C);
    Put16(coff + 2, 1);
    Put16(coff + 16, opt_size);
    Put16(opt, pe32_plus ? 0x20B : 0x10B);
    Put32(opt + dirs - 4, 16);
    const uint32_t rva = 0x1000, raw = 0x200, res_size = 0x58 + 92;
    Put32(opt + dirs + 16, rva);
    Put32(opt + dirs + 20, res_size);
    const size_t section = opt + opt_size;
    std::memcpy(&bytes[section], ".rsrc", 5);
    Put32(section + 8, res_size);
    Put32(section + 12, rva);
    Put32(section + 16, res_size);
    Put32(section + 20, raw);
    // type -> name -> language -> leaf, each directory with one id entry
    Put16(raw + 14, 1), Put32(raw + 16, type_id), Put32(raw + 20, 0x80000018);
    Put16(raw + 0x18 + 14, 1), Put32(raw + 0x28, name_id), Put32(raw + 0x2C, 0x80000030);
    Put16(raw + 0x30 + 14, 1), Put32(raw + 0x40, 0x409), Put32(raw + 0x44, 0x48);
    Put32(raw + 0x48, rva + 0x58), Put32(raw + 0x4C, 92);
    const size_t info = raw + 0x58;
    Put16(info, 92), Put16(info + 2, value_length), Put16(info + 4, 0);
    for (size_t i = 0; i < 16; ++i) Put16(info + 6 + 2 * i, key[i]);
    Put32(info + 40, signature), Put32(info + 44, 0x10000);
    Put32(info + 48, version_ms), Put32(info + 52, version_ls);
    Put32(info + 88, 0);  // the fixed part's last field: the image ends here
    return bytes;
  }
};

std::optional<TPeFileVersion> VersionOf(std::vector<uint8_t> image) {
  TMemoryStream stream(std::move(image));
  return PeFileVersion(stream);
}

TEST(PeFileVersion, ReadsTheFixedPartOf32And64BitImages) {
  PeBuilder b;
  EXPECT_EQ(VersionOf(b.Build()), (TPeFileVersion{7, 1, 9, 170}));
  b.pe32_plus = false;
  b.version_ms = 0xFFFF0000, b.version_ls = 0x0001FFFF;
  EXPECT_EQ(VersionOf(b.Build()), (TPeFileVersion{65535, 0, 1, 65535}));
}

TEST(PeFileVersion, ImagesWithoutAUsableVersionResourceHaveNone) {
  struct Case {
    const char* what;
    void (*change)(PeBuilder&);
  };
  const Case cases[] = {
      {"other resource type", [](PeBuilder& b) { b.type_id = 3; }},
      {"other resource name", [](PeBuilder& b) { b.name_id = 2; }},
      {"no fixed part", [](PeBuilder& b) { b.value_length = 0; }},
      {"bad signature", [](PeBuilder& b) { b.signature = 0x12345678; }},
      {"other key", [](PeBuilder& b) { b.key = u"VS_VERSION_INFX"; }},
  };
  for (const Case& c : cases) {
    PeBuilder b;
    c.change(b);
    EXPECT_FALSE(VersionOf(b.Build())) << c.what;
  }
  EXPECT_FALSE(VersionOf({}));
  EXPECT_FALSE(VersionOf({'M', 'Z'}));
}

TEST(PeFileVersion, DamagedImagesAreReportedNeverCrashedOn) {
  std::vector<uint8_t> good = PeBuilder().Build();
  for (size_t cut = 0; cut < good.size(); ++cut)
    EXPECT_FALSE(VersionOf(std::vector<uint8_t>(good.begin(), good.begin() + static_cast<ptrdiff_t>(cut)))) << cut;
  // Every byte set to extreme values in turn: any answer, but no crash and
  // no read outside the image (the sanitizers watch).
  for (size_t i = 0; i < good.size(); ++i)
    for (uint8_t v : {0x00, 0x7F, 0x80, 0xFF}) {
      std::vector<uint8_t> bad = good;
      bad[i] = v;
      VersionOf(bad);
    }
}

#ifdef XS_HAVE_VERSIONED_DLL
std::string BesideProgram(const std::string& name) {
  std::string self = ProgramFileName();
  size_t cut = self.size();
  while (cut > 0 && !IsPathDelimiter(self[cut - 1])) --cut;
  return self.substr(0, cut) + name;
}

TEST(FileVersion, ReadsTheVersionOfARealImage) {
  EXPECT_EQ(ReadFileVersion(BesideProgram("versioned.dll")), (TPeFileVersion{7, 1, 9, 170}));
}
#endif

using FileVersionOnDisk = PlatformTest;

TEST_F(FileVersionOnDisk, FilesWithoutVersionsHaveNone) {
  EXPECT_FALSE(ReadFileVersion(Scratch("missing.dll")));
  EXPECT_NE(LastSystemError(), 0);
  ASSERT_TRUE(WriteTextFile(Scratch("text.dll"), "MZ but nothing more"));
  EXPECT_FALSE(ReadFileVersion(Scratch("text.dll")));
  EXPECT_NE(LastSystemError(), 0);
}

#ifdef _WIN32
// The portable reader and the system's version functions agree, on the test
// file and on the system's own files.
TEST(FileVersion, ThePortableReaderAgreesWithTheSystem) {
  std::vector<std::string> files = {SystemFolder() + "\\kernel32.dll", SystemFolder() + "\\user32.dll",
                                    SystemFolder() + "\\shell32.dll", ProgramFileName()};
#ifdef XS_HAVE_VERSIONED_DLL
  files.push_back(BesideProgram("versioned.dll"));
#endif
  int with_version = 0;
  for (const std::string& file : files) {
    TFileStream stream(file, FileMode::OpenRead);
    std::optional<TPeFileVersion> portable = PeFileVersion(stream), system = ReadFileVersion(file);
    EXPECT_EQ(portable, system) << file;
    with_version += system.has_value();
  }
  EXPECT_GE(with_version, 2);
}
#endif

}  // namespace
}  // namespace xs
