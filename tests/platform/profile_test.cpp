#include "platform/profile.h"

#include <gtest/gtest.h>

#include "platform/file_stream.h"
#include "platform/file_system.h"
#include "platform/system_error.h"
#include "platform/system_info.h"
#include "platform_fixture.h"

namespace xs {
namespace {

using Profile = PlatformTest;

// The file's lines without line ends and blank lines, as written.
std::vector<std::string> Lines(const std::string& file) {
  std::vector<std::string> lines;
  std::string text = ReadTextFile(file), line;
  for (char c : text) {
    if (c == '\n') {
      if (!line.empty()) lines.push_back(line);
      line.clear();
    } else if (c != '\r') {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

using L = std::vector<std::string>;

TEST_F(Profile, WritesMakeFileSectionAndKey) {
  std::string ini = Scratch("app.ini");
  ASSERT_TRUE(WriteIniString(ini, "Main", "Path", "C:\\App")) << LastSystemError();
  ASSERT_TRUE(WriteIniString(ini, "Main", "Mode", "1"));
  ASSERT_TRUE(WriteIniString(ini, "Other", "Key", "v"));
  EXPECT_EQ(Lines(ini), (L{"[Main]", "Path=C:\\App", "Mode=1", "[Other]", "Key=v"}));
  EXPECT_NE(ReadTextFile(ini).find("Path=C:\\App\r\n"), std::string::npos);  // CR LF line ends
  EXPECT_EQ(ReadIniString(ini, "main", "PATH", "none"), "C:\\App");
  EXPECT_EQ(ReadIniString(ini, "Main", "Missing", "none"), "none");
  EXPECT_EQ(ReadIniString(ini, "Missing", "Path", "none"), "none");
}

TEST_F(Profile, UpdatesKeepPlaceSpellingAndOtherLines) {
  std::string ini = Scratch("keep.ini");
  ASSERT_TRUE(WriteTextFile(ini, "; comment\r\n[Main]\r\nFirst=1\r\nSecond=2\r\n\r\n[Tail]\r\nX=y\r\n"));
  ASSERT_TRUE(WriteIniString(ini, "MAIN", "first", "one"));
  ASSERT_TRUE(WriteIniString(ini, "Main", "Third", "3"));
  EXPECT_EQ(Lines(ini), (L{"; comment", "[Main]", "First=one", "Second=2", "Third=3", "[Tail]", "X=y"}));
}

TEST_F(Profile, NullValueDeletesTheKeyAndNullKeyTheSection) {
  std::string ini = Scratch("delete.ini");
  ASSERT_TRUE(WriteIniString(ini, "A", "k1", "v1"));
  ASSERT_TRUE(WriteIniString(ini, "A", "k2", "v2"));
  ASSERT_TRUE(WriteIniString(ini, "B", "k", "v"));
  ASSERT_TRUE(WriteIniString(ini, "a", "K1", std::nullopt));
  EXPECT_EQ(Lines(ini), (L{"[A]", "k2=v2", "[B]", "k=v"}));
  ASSERT_TRUE(WriteIniString(ini, "a", std::nullopt, std::nullopt));
  EXPECT_EQ(Lines(ini), (L{"[B]", "k=v"}));
  // Deleting what is not there succeeds and changes nothing.
  EXPECT_TRUE(WriteIniString(ini, "B", "missing", std::nullopt));
  EXPECT_TRUE(WriteIniString(ini, "Missing", std::nullopt, std::nullopt));
  EXPECT_EQ(Lines(ini), (L{"[B]", "k=v"}));
}

TEST_F(Profile, SectionWritesReplaceTheWholeSection) {
  std::string ini = Scratch("section.ini");
  ASSERT_TRUE(WriteIniString(ini, "S", "old", "1"));
  ASSERT_TRUE(WriteIniString(ini, "T", "t", "2"));
  ASSERT_TRUE(WriteIniSection(ini, "s", {"a=1", "b=2"}));
  EXPECT_EQ(ReadIniString(ini, "S", "old", "gone"), "gone");
  EXPECT_EQ(ReadIniString(ini, "S", "b", ""), "2");
  EXPECT_EQ(ReadIniString(ini, "T", "t", ""), "2");
  ASSERT_TRUE(WriteIniSection(ini, "New", {"x=9"}));
  EXPECT_EQ(ReadIniString(ini, "New", "x", ""), "9");
}

TEST_F(Profile, ValuesAreReadTrimmedAndUnquoted) {
  std::string ini = Scratch("quotes.ini");
  ASSERT_TRUE(WriteTextFile(ini, "[S]\r\n  Spaced  =  some value  \r\nQuoted=\"in quotes\"\r\n"));
  EXPECT_EQ(ReadIniString(ini, "S", "spaced", ""), "some value");
  EXPECT_EQ(ReadIniString(ini, "S", "Quoted", ""), "in quotes");
}

TEST_F(Profile, NamesWithoutFolderLiveInTheWindowsFolder) {
  std::string name = UniqueName("xs-profile") + ".ini";
  ASSERT_TRUE(WriteIniString(name, "S", "k", "v"));
  std::string path = WindowsFolder() + kPathDelim + name;
  EXPECT_TRUE(FileExists(path));
  EXPECT_EQ(ReadIniString(name, "S", "k", ""), "v");
  RemoveFile(path);
}

TEST_F(Profile, FailedWritesChangeNothing) {
  EXPECT_FALSE(WriteIniString(Scratch("missing folder") + kPathDelim + "x.ini", "S", "k", "v"));
  EXPECT_NE(LastSystemError(), 0);
  if (!ReadOnlyEnforced()) return;
  std::string ini = Scratch("readonly.ini");
  ASSERT_TRUE(WriteIniString(ini, "S", "k", "v"));
  ASSERT_TRUE(SetFileAttr(ini, faReadOnly));
  EXPECT_FALSE(WriteIniString(ini, "S", "k", "changed"));
  EXPECT_EQ(Lines(ini), (L{"[S]", "k=v"}));
  SetFileAttr(ini, faNormal);
}

}  // namespace
}  // namespace xs
