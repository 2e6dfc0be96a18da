#include "platform/file_stream.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "platform/command_line.h"
#include "platform/pe_image.h"

namespace xs {
namespace {

std::string TempName(const char* stem) { return testing::TempDir() + stem; }

TEST(FileStream, WritesReadsSeeksAndResizes) {
  std::string name = TempName("xs_file_stream.bin");
  {
    TFileStream f(name, FileMode::Create);
    f.WriteBuffer("hello world", 11);
    EXPECT_EQ(f.Size(), 11);
    f.SetSize(5);
    EXPECT_EQ(f.Position(), 5);
  }
  EXPECT_TRUE(FileExists(name));
  {
    TFileStream f(name, FileMode::OpenRead);
    char buf[16] = {};
    EXPECT_EQ(f.Read(buf, sizeof buf), 5);
    EXPECT_EQ(std::string(buf), "hello");
    EXPECT_EQ(f.Seek(-2, SeekOrigin::End), 3);
    EXPECT_EQ(f.Read(buf, 2), 2);
    EXPECT_THROW(f.ReadBuffer(buf, 1), EStreamError);
  }
  std::remove(name.c_str());
}

TEST(FileStream, OpeningAMissingFileRaisesWithTheSystemCode) {
  std::string name = TempName("xs_no_such_file.bin");
  try {
    TFileStream f(name, FileMode::OpenRead);
    FAIL() << "opened a missing file";
  } catch (const EFOpenError& e) {
    EXPECT_NE(e.SystemCode(), 0);
  }
  EXPECT_FALSE(FileExists(name));
}

TEST(PeImage, OnlyWellFormedImagesHaveAnEnd) {
  TMemoryStream junk(std::vector<uint8_t>(200, 'M'));
  EXPECT_FALSE(PeImageEnd(junk).has_value());
  TMemoryStream empty;
  EXPECT_FALSE(PeImageEnd(empty).has_value());
#ifdef _WIN32
  // The test program itself is a PE image whose sections fit in the file.
  TFileStream self(ProgramFileName(), FileMode::OpenRead);
  auto end = PeImageEnd(self);
  ASSERT_TRUE(end.has_value());
  EXPECT_GT(*end, 0);
  EXPECT_LE(*end, self.Size());
#endif
}

}  // namespace
}  // namespace xs
