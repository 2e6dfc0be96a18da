#include "platform/file_version.h"

#include <gtest/gtest.h>

#include <vector>

#include "pe_builder.h"
#include "platform/command_line.h"
#include "platform/file_stream.h"
#include "platform/file_system.h"
#include "platform/pe_image.h"
#include "platform/system_error.h"
#include "platform/system_info.h"
#include "platform_fixture.h"

namespace xs {
namespace {

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

// What the builder checks of a stub: its machine, and that its image ends
// where the file does, so that nothing is appended yet.
TEST(PeImage, MachineAndEndOf32And64BitImages) {
  for (bool plus : {true, false}) {
    PeBuilder b;
    b.pe32_plus = plus;
    std::vector<uint8_t> image = b.Build();
    const int64_t size = static_cast<int64_t>(image.size());
    image.insert(image.end(), 100, 'x');  // an appended package
    TMemoryStream stream(std::move(image));
    EXPECT_EQ(PeMachine(stream), plus ? kPeMachineAmd64 : kPeMachineI386);
    EXPECT_EQ(PeImageEnd(stream), size);
  }
  TMemoryStream junk(std::vector<uint8_t>(200, 'M'));
  EXPECT_FALSE(PeMachine(junk));
  std::vector<uint8_t> no_signature = PeBuilder().Build();
  no_signature[0x41] = 'X';
  TMemoryStream broken(std::move(no_signature));
  EXPECT_FALSE(PeMachine(broken));
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
