#include "script/version.h"

#include <gtest/gtest.h>

#include "platform/command_line.h"
#include "platform/file_system.h"
#include "platform/platform_fixture.h"

namespace xs {
namespace {

TEST(xVersion, ParseTakesFourDecimalFieldsAndZeroForTheRest) {
  const struct {
    const char* text;
    xVersion expected;
  } cases[] = {
      {"7.1.9.170", {7, 1, 9, 170}},
      {"7.1", {7, 1, 0, 0}},
      {"", {0, 0, 0, 0}},
      {"1.2.3.4.5", {1, 2, 3, 4}},
      {"1..3.", {1, 0, 3, 0}},
      {" 2 . 0 .1", {2, 0, 1, 0}},
      {"abc.4.x5.6", {0, 4, 0, 6}},
      {"-1.+2.$10.0x10", {0, 0, 0, 0}},  // decimal digits only
      {"4294967295.4294967296.007.1e3", {4294967295u, 0, 7, 0}},
      {"99999999999999999999.1", {0, 1, 0, 0}},
      {"1,2,3,4", {0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    xVersion v = xVersion::Parse(c.text);
    EXPECT_EQ(v, c.expected) << c.text << " gave " << v.ToText();
  }
}

TEST(xVersion, ToTextJoinsTheFourNumbers) {
  EXPECT_EQ((xVersion{7, 1, 9, 170}).ToText(), "7.1.9.170");
  EXPECT_EQ(xVersion{}.ToText(), "0.0.0.0");
  EXPECT_EQ((xVersion{4294967295u, 0, 65536, 1}).ToText(), "4294967295.0.65536.1");
  for (const char* text : {"7.1.9.170", "0.0.0.1", "4294967295.4294967295.4294967295.4294967295"})
    EXPECT_EQ(xVersion::Parse(text).ToText(), text);
  EXPECT_TRUE(xVersion{}.IsEmpty());
  EXPECT_TRUE(xVersion::Parse("garbage").IsEmpty());
  EXPECT_FALSE((xVersion{0, 0, 0, 1}).IsEmpty());
}

TEST(xVersion, CompareDecidesByBuildFirstThenMajorMinorRelease) {
  const struct {
    const char *a, *b;
    int compare, major_minor;
  } cases[] = {
      {"7.1.9.170", "7.1.10.100", 1, 0},  // Build first: 170 > 100
      {"7.1.10.100", "7.1.9.170", -1, 0},
      {"7.1.9.170", "7.1.9.170", 0, 0},
      {"1.0.0.5", "9.9.9.4", 1, -1},
      {"2.0.0.5", "1.9.9.5", 1, 1},
      {"1.2.0.5", "1.10.0.5", -1, -1},
      {"1.2.3.5", "1.2.4.5", -1, 0},
      {"0.0.0.4294967295", "0.0.0.1", 1, 0},  // unsigned
      {"4294967295.0.0.0", "1.0.0.0", 1, 1},
      {"1.2", "1.2.0.0", 0, 0},  // missing parts are 0
  };
  for (const auto& c : cases) {
    xVersion a = xVersion::Parse(c.a), b = xVersion::Parse(c.b);
    EXPECT_EQ(xVersion::Compare(a, b), c.compare) << c.a << " vs " << c.b;
    EXPECT_EQ(xVersion::Compare(b, a), -c.compare) << c.b << " vs " << c.a;
    EXPECT_EQ(xVersion::CompareMajorMinor(a, b), c.major_minor) << c.a << " vs " << c.b;
    EXPECT_EQ(xVersion::SameMajorMinor(a, b), c.major_minor == 0) << c.a << " vs " << c.b;
  }
}

TEST(IsNewerVersion, TheFileReplacementRule) {
  const struct {
    const char *existing, *protected_release, *source;
    bool newer;
  } cases[] = {
      // Base rule, no protected release.
      {"7.1.10.100", "", "7.1.9.170", true},  // same Major.Minor, lower Release, higher Build
      {"7.1.9.170", "", "7.1.9.170", false},  // equal versions are kept
      {"7.1.9.170", "", "7.1.9.169", false},
      {"7.1.9.170", "", "7.1.9.171", true},
      {"7.1.9.170", "", "7.1.10.170", true},  // higher Release, same Build
      {"7.1.9.170", "", "7.1.10.169", false},  // higher Release, lower Build
      {"7.1.9.170", "", "7.2.0.0", true},  // Major.Minor decides alone
      {"7.2.0.900", "", "7.1.99.999", false},
      {"7.9.0.0", "", "7.10.0.0", true},  // numbers, not text
      {"7.1.2.3", "0.0.0.0", "7.1.2.4", true},  // an empty protected release is none
      // The existing file is past the protected release.
      {"7.1.9.200", "7.1.9.100", "7.1.9.200", true},  // same Release: not older under Compare
      {"7.1.9.200", "7.1.9.100", "7.1.9.199", false},
      {"7.1.9.200", "7.1.9.100", "7.2.9.199", false},  // Build first, so older
      {"7.1.9.200", "7.1.9.100", "6.0.9.201", true},
      {"7.1.9.200", "7.1.9.100", "7.1.10.1", true},  // other Release: only the Release counts
      {"7.1.9.200", "7.1.9.100", "9.9.8.999", false},
      // Not past it: the base rule again.
      {"7.1.9.100", "7.1.9.100", "7.1.9.101", true},
      {"7.1.9.100", "7.1.9.200", "7.1.10.1", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(IsNewerVersion(xVersion::Parse(c.existing), xVersion::Parse(c.protected_release), xVersion::Parse(c.source)),
              c.newer)
        << c.source << " over " << c.existing << " protected " << c.protected_release;
}

using VersionFromFile = PlatformTest;

TEST_F(VersionFromFile, FilesWithoutAVersionResourceGiveAllZero) {
  EXPECT_TRUE(xVersion::FromFile(Scratch("missing.dll")).IsEmpty());
  ASSERT_TRUE(WriteTextFile(Scratch("text.dll"), "MZ and nothing more"));
  EXPECT_TRUE(xVersion::FromFile(Scratch("text.dll")).IsEmpty());
}

#ifdef XS_HAVE_VERSIONED_DLL
TEST(xVersion, FromFileReadsTheVersionResource) {
  std::string dll = ExtractFilePath(ProgramFileName()) + "versioned.dll";
  EXPECT_EQ(xVersion::FromFile(dll).ToText(), "7.1.9.170");
}
#endif

}  // namespace
}  // namespace xs
