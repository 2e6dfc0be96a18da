#include "platform/file_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "platform/file_stream.h"
#include "platform/system_error.h"
#include "platform_fixture.h"

namespace xs {
namespace {

using FileSystem = PlatformTest;

TEST(PathNames, FolderAndNamePartsAndTheTrailingDelimiter) {
  const std::string d(1, kPathDelim);
  const struct {
    std::string name, path, file;
  } cases[] = {
      {"C:\\Setup\\setup.exe", "C:\\Setup\\", "setup.exe"},
      {"C:setup.exe", "C:", "setup.exe"},
      {"setup.exe", "", "setup.exe"},
      {"C:\\Setup\\", "C:\\Setup\\", ""},
      {"", "", ""},
      {"a" + d + "b:c", "a" + d, "b:c"},  // only a drive letter's colon ends the folder
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExtractFilePath(c.name), c.path) << c.name;
    EXPECT_EQ(ExtractFileName(c.name), c.file) << c.name;
  }
  EXPECT_EQ(IncludeTrailingPathDelimiter("C:\\Dir"), "C:\\Dir" + d);
  EXPECT_EQ(IncludeTrailingPathDelimiter("C:\\Dir\\"), "C:\\Dir\\");
  EXPECT_EQ(IncludeTrailingPathDelimiter("dir" + d), "dir" + d);
  EXPECT_EQ(IncludeTrailingPathDelimiter(""), "");
}

TEST(PathNames, ExtensionsBelongToTheFileNamePart) {
  const struct {
    const char *name, *ext, *changed;  // changed: with the extension ".bak"
  } cases[] = {
      {"C:\\Dir\\manual.hlp", ".hlp", "C:\\Dir\\manual.bak"},
      {"archive.tar.gz", ".gz", "archive.tar.bak"},
      {"C:\\Dir.old\\readme", "", "C:\\Dir.old\\readme.bak"},  // the folder's dot is no extension
      {"C:.profile", ".profile", "C:.bak"},
      {"name.", ".", "name.bak"},
      {"", "", ".bak"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExtractFileExt(c.name), c.ext) << c.name;
    EXPECT_EQ(ChangeFileExt(c.name, ".bak"), c.changed) << c.name;
  }
  EXPECT_EQ(ChangeFileExt("a.txt", ""), "a");
}

// 2001-02-03 04:05:06 UTC as a file time.
constexpr int64_t kSomeTime = 126256515060000000;

TEST_F(FileSystem, ReadOnlyFilesCanBeNeitherDeletedNorOverwrittenUntilCleared) {
  std::string file = Scratch("ro.txt"), other = Scratch("other.txt");
  ASSERT_TRUE(WriteTextFile(file, "locked"));
  ASSERT_TRUE(WriteTextFile(other, "new content"));
  ASSERT_TRUE(SetFileAttr(file, faReadOnly));
  EXPECT_TRUE(GetFileAttr(file) & faReadOnly);
  EXPECT_FALSE(GetFileAttr(file) & faDirectory);
  if (ReadOnlyEnforced()) {
    EXPECT_FALSE(RemoveFile(file));
    EXPECT_EQ(LastSystemError(), kErrAccessDenied);
    EXPECT_FALSE(CopyFileTo(other, file, false));
    EXPECT_THROW(TFileStream(file, FileMode::Create), EFOpenError);
    EXPECT_EQ(ReadTextFile(file), "locked");
  }
  ASSERT_TRUE(SetFileAttr(file, faNormal));
  EXPECT_FALSE(GetFileAttr(file) & faReadOnly);
  EXPECT_TRUE(RemoveFile(file));
  EXPECT_FALSE(FileExists(file));
}

TEST_F(FileSystem, AttributesOfFoldersAndMissingFiles) {
  EXPECT_TRUE(GetFileAttr(Scratch()) & faDirectory);
  EXPECT_EQ(GetFileAttr(Scratch("missing")), faInvalid);
  EXPECT_EQ(LastSystemError(), kErrFileNotFound);
  EXPECT_FALSE(SetFileAttr(Scratch("missing"), faNormal));
}

TEST_F(FileSystem, WriteTimesRoundTripForFilesAndFolders) {
  std::string file = Scratch("dated.txt");
  ASSERT_TRUE(WriteTextFile(file, "x"));
  ASSERT_TRUE(SetFileWriteTime(file, kSomeTime));
  EXPECT_EQ(GetFileWriteTime(file), kSomeTime);
  ASSERT_TRUE(SetFileWriteTime(Scratch(), kSomeTime + 10000000));
  EXPECT_EQ(GetFileWriteTime(Scratch()), kSomeTime + 10000000);
  EXPECT_FALSE(GetFileWriteTime(Scratch("missing")));
  EXPECT_FALSE(SetFileWriteTime(Scratch("missing"), kSomeTime));
}

TEST_F(FileSystem, LocalDateTimesRoundTrip) {
  double local = FileTimeToLocalDateTime(kSomeTime);
  // 3 February 2001 is day 36925; the time zone moves it by less than a day.
  EXPECT_NEAR(local, 36925.17, 1.0);
  EXPECT_EQ(LocalDateTimeToFileTime(local), kSomeTime);
  EXPECT_EQ(LocalDateTimeToFileTime(FileTimeToLocalDateTime(kSomeTime + 5000000)), kSomeTime + 5000000);
}

TEST_F(FileSystem, CopyKeepsContentTimeAndRespectsFailIfExists) {
  std::string source = Scratch("source.bin"), dest = Scratch("dest.bin");
  ASSERT_TRUE(WriteTextFile(source, std::string("binary\0data", 11)));
  ASSERT_TRUE(SetFileWriteTime(source, kSomeTime));
  ASSERT_TRUE(CopyFileTo(source, dest, true));
  EXPECT_EQ(ReadTextFile(dest), std::string("binary\0data", 11));
  EXPECT_EQ(GetFileWriteTime(dest), kSomeTime);
  ASSERT_TRUE(WriteTextFile(source, "changed"));
  EXPECT_FALSE(CopyFileTo(source, dest, true));
  EXPECT_NE(LastSystemError(), 0);
  EXPECT_EQ(ReadTextFile(dest), std::string("binary\0data", 11));
  EXPECT_TRUE(CopyFileTo(source, dest, false));
  EXPECT_EQ(ReadTextFile(dest), "changed");
  EXPECT_FALSE(CopyFileTo(Scratch("missing"), Scratch("copy"), false));
  EXPECT_EQ(LastSystemError(), kErrFileNotFound);
}

TEST_F(FileSystem, MoveRenamesFilesAndFoldersButNeverOverwrites) {
  std::string a = Scratch("a.txt"), b = Scratch("b.txt");
  ASSERT_TRUE(WriteTextFile(a, "A"));
  ASSERT_TRUE(MoveFileTo(a, b));
  EXPECT_FALSE(FileExists(a));
  EXPECT_EQ(ReadTextFile(b), "A");
  ASSERT_TRUE(WriteTextFile(a, "second"));
  EXPECT_FALSE(MoveFileTo(a, b));
  EXPECT_EQ(ReadTextFile(b), "A");
  ASSERT_TRUE(CreateFolder(Scratch("dir")));
  ASSERT_TRUE(MoveFileTo(Scratch("dir"), Scratch("dir2")));
  EXPECT_TRUE(FolderExists(Scratch("dir2")));
  EXPECT_FALSE(FolderExists(Scratch("dir")));
}

TEST_F(FileSystem, FoldersAreMadeWithParentsAndRemovedOnlyWhenEmpty) {
  std::string deep = Scratch("one") + kPathDelim + "two" + kPathDelim + "three";
  EXPECT_FALSE(CreateFolder(deep));  // its parent is missing
  ASSERT_TRUE(ForceFolders(deep + kPathDelim));
  EXPECT_TRUE(FolderExists(deep));
  EXPECT_TRUE(ForceFolders(deep));  // existing is fine
  EXPECT_FALSE(CreateFolder(deep));  // but not for CreateFolder
  ASSERT_TRUE(WriteTextFile(deep + kPathDelim + "f.txt", "x"));
  EXPECT_FALSE(RemoveFolder(deep));
  EXPECT_EQ(LastSystemError(), kErrDirNotEmpty);
  ASSERT_TRUE(RemoveFile(deep + kPathDelim + "f.txt"));
  EXPECT_TRUE(RemoveFolder(deep));
  EXPECT_FALSE(RemoveFolder(deep));
  // A file in the way of a folder is a failure.
  ASSERT_TRUE(WriteTextFile(Scratch("blocker"), "x"));
  EXPECT_FALSE(ForceFolders(Scratch("blocker") + kPathDelim + "sub"));
  EXPECT_FALSE(RemoveFile(Scratch("one")));  // folders are not files
}

TEST_F(FileSystem, BackslashesSeparateFoldersEverywhere) {
  std::string folder = Scratch("back") + "\\slash";
  ASSERT_TRUE(ForceFolders(folder));
  ASSERT_TRUE(WriteTextFile(folder + "\\file.txt", "x"));
  EXPECT_TRUE(FileExists(Scratch("back") + kPathDelim + "slash" + kPathDelim + "file.txt"));
}

std::set<std::string> Names(const std::string& folder, const std::string& mask) {
  std::vector<TSearchRec> found;
  EXPECT_TRUE(FindFiles(folder, mask, found)) << mask;
  std::set<std::string> names;
  for (const TSearchRec& r : found) names.insert(r.Name);
  return names;
}

TEST_F(FileSystem, MasksFollowTheSystemsWildcardRules) {
  for (const char* name : {"readme.txt", "NOTES.TXT", "abc", "axc", "abbc", "ac", "data.txt.bak", "noext"})
    ASSERT_TRUE(WriteTextFile(Scratch(name), "x"));
  ASSERT_TRUE(CreateFolder(Scratch("sub.dir")));
  using S = std::set<std::string>;
  struct Case {
    const char* mask;
    S expected;
  };
  const Case cases[] = {
      {"*.txt", S{"readme.txt", "NOTES.TXT"}},
      {"a?c", S{"abc", "axc"}},
      {"A*C", S{"abc", "axc", "abbc", "ac"}},
      {"*.bak", S{"data.txt.bak"}},
      {"readme.txt", S{"readme.txt"}},
      {"READ*", S{"readme.txt"}},
      {"?b?c", S{"abbc"}},
      {"*.dir", S{"sub.dir"}},
      {"nothing*", S{}},
  };
  for (const Case& c : cases) EXPECT_EQ(Names(Scratch(), c.mask), c.expected) << c.mask;
  // "*.*" and "*" take everything, names without a dot and "." and ".." too.
  S all{".", "..", "readme.txt", "NOTES.TXT", "abc", "axc", "abbc", "ac", "data.txt.bak", "noext", "sub.dir"};
  EXPECT_EQ(Names(Scratch(), "*.*"), all);
  EXPECT_EQ(Names(Scratch(), "*"), all);
  EXPECT_EQ(Names(Scratch(), ""), S{});
}

TEST_F(FileSystem, FoundEntriesCarryAttributesSizesAndTimes) {
  ASSERT_TRUE(WriteTextFile(Scratch("five.bin"), "12345"));
  ASSERT_TRUE(SetFileWriteTime(Scratch("five.bin"), kSomeTime));
  ASSERT_TRUE(CreateFolder(Scratch("folder")));
  std::vector<TSearchRec> found;
  ASSERT_TRUE(FindFiles(Scratch(), "f*", found));
  ASSERT_EQ(found.size(), 2u);
  std::sort(found.begin(), found.end(), [](auto& a, auto& b) { return a.Name < b.Name; });
  EXPECT_EQ(found[0].Name, "five.bin");
  EXPECT_EQ(found[0].Size, 5);
  EXPECT_EQ(found[0].WriteTime, kSomeTime);
  EXPECT_FALSE(found[0].Attr & faDirectory);
  EXPECT_EQ(found[1].Name, "folder");
  EXPECT_TRUE(found[1].Attr & faDirectory);
}

TEST_F(FileSystem, FoundEntriesComeInOneOrderWhateverOrderTheyWereMadeIn) {
  std::vector<std::string> names = {"b.txt", "A.txt", "c", "a0", "B1"};
#ifndef _WIN32
  // Names that differ only in case, which only some file systems hold.
  names.insert(names.end(), {"a.txt", "C"});
#endif
  std::vector<std::vector<std::string>> listed;
  for (bool reversed : {false, true}) {
    std::string folder = Scratch(reversed ? "reversed" : "forward");
    ASSERT_TRUE(CreateFolder(folder));
    std::vector<std::string> order = names;
    if (reversed) std::reverse(order.begin(), order.end());
    for (const std::string& name : order) ASSERT_TRUE(WriteTextFile(folder + kPathDelim + name, "x"));
    std::vector<TSearchRec> found;
    ASSERT_TRUE(FindFiles(folder, "*", found));
    listed.emplace_back();
    for (const TSearchRec& r : found) listed.back().push_back(r.Name);
  }
  EXPECT_EQ(listed[0], listed[1]);
#ifndef _WIN32
  EXPECT_EQ(listed[0], (std::vector<std::string>{".", "..", "A.txt", "a.txt", "a0", "b.txt", "B1", "C", "c"}));
#endif
}

TEST_F(FileSystem, SearchingAMissingFolderFails) {
  std::vector<TSearchRec> found{TSearchRec{}};
  EXPECT_FALSE(FindFiles(Scratch("missing"), "*.*", found));
  EXPECT_EQ(LastSystemError(), kErrPathNotFound);
  EXPECT_TRUE(found.empty());
}

TEST(PathNames, OnlyFullPathsAreAbsolute) {
  const std::string d(1, kPathDelim);
  for (const std::string& name : {std::string(), std::string("setup"), "sub" + d + "setup", std::string("C:setup")})
    EXPECT_FALSE(IsAbsolutePath(name)) << name;
#ifdef _WIN32
  for (const char* name : {"C:\\", "c:/Setup", "\\\\server\\share"}) EXPECT_TRUE(IsAbsolutePath(name)) << name;
  EXPECT_FALSE(IsAbsolutePath("\\Setup")) << "relative to the current drive";
#else
  EXPECT_TRUE(IsAbsolutePath("/opt"));
#endif
}

// Temporary names follow one pattern and are never an existing file's.
TEST_F(FileSystem, TemporaryFilesAreNewFilesBesideTheTarget) {
  const std::string target = Scratch("app.dll");
  std::set<std::string> names;
  for (int i = 0; i < 20; ++i) {
    std::unique_ptr<TFileStream> file = CreateTempFileBeside(target);
    ASSERT_NE(file, nullptr);
    const std::string name = ExtractFileName(file->FileName());
    EXPECT_EQ(ExtractFilePath(file->FileName()), Scratch());
    EXPECT_EQ(name.size(), 3 + 16 + 4u) << name;
    EXPECT_EQ(name.rfind(kTempPrefix, 0), 0u) << name;
    EXPECT_EQ(ExtractFileExt(name), ".tmp") << name;
    EXPECT_EQ(file->Size(), 0);
    names.insert(name);
  }
  EXPECT_EQ(names.size(), 20u);
  EXPECT_EQ(TempFilesIn(Scratch()).size(), 20u);

  // Create-new refuses an existing file, and a link, without touching either.
  ASSERT_TRUE(WriteTextFile(Scratch("taken.tmp"), "mine"));
  try {
    TFileStream(Scratch("taken.tmp"), FileMode::CreateNew);
    ADD_FAILURE() << "an existing file was opened";
  } catch (const EFOpenError& e) {
    EXPECT_EQ(e.SystemCode(), kErrFileExists);
  }
  EXPECT_EQ(ReadTextFile(Scratch("taken.tmp")), "mine");
  if (MakeSymbolicLink(Scratch("link.tmp"), Scratch("taken.tmp"), false)) {
    EXPECT_THROW(TFileStream(Scratch("link.tmp"), FileMode::CreateNew), EFOpenError);
    EXPECT_EQ(ReadTextFile(Scratch("taken.tmp")), "mine") << "nothing was written through the link";
  }

  EXPECT_EQ(CreateTempFileBeside(Scratch("missing") + kPathDelim + "app.dll"), nullptr);
  EXPECT_NE(LastSystemError(), 0);
}

TEST_F(FileSystem, MovingOverReplacesInOneStepOrNotAtAll) {
  const struct {
    const char* what;
    bool folder, read_only, ok;
  } cases[] = {
      {"no target", false, false, true},
      {"a target", false, false, true},
      {"a read-only target", false, true, false},
      {"a folder", true, false, false},
  };
  const std::string source = Scratch("new.bin"), target = Scratch("app.dll");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.read_only && !ReadOnlyEnforced()) continue;  // Wine run by root replaces read-only files
    ASSERT_TRUE(WriteTextFile(source, "new"));
    bool made = c.folder                            ? CreateFolder(target)
                : std::string(c.what) != "no target" ? WriteTextFile(target, "old")
                                                     : true;
    ASSERT_TRUE(made && (!c.read_only || SetFileAttr(target, faReadOnly)));
    EXPECT_EQ(MoveFileOver(source, target), c.ok);
    if (c.ok) {
      EXPECT_EQ(ReadTextFile(target), "new");
      EXPECT_FALSE(FileExists(source));
    } else {
      EXPECT_NE(LastSystemError(), 0);
      EXPECT_EQ(ReadTextFile(source), "new");
      if (!c.folder) {
        EXPECT_EQ(ReadTextFile(target), "old");
      }
      EXPECT_EQ(FolderExists(target), c.folder);
    }
    SetFileAttr(target, faNormal);
    RemoveFile(target);
    RemoveFolder(target);
    RemoveFile(source);
  }
}

// A full disk during the copy: the file the copy was to replace stays whole.
TEST_F(FileSystem, AFailedCopyLeavesTheFileItWasToReplace) {
  if (!TFileSizeLimit::Supported()) GTEST_SKIP() << "the system cannot be made to fail a write midway here";
  const std::string source = Scratch("big.bin"), dest = Scratch("app.dll");
  ASSERT_TRUE(WriteTextFile(source, std::string(300000, 'n')));
  ASSERT_TRUE(WriteTextFile(dest, "old"));
  {
    TFileSizeLimit limit(100000);
    EXPECT_FALSE(CopyFileTo(source, dest, false));
  }
  EXPECT_TRUE(ReadTextFile(dest) == "old") << "the old file was lost";
  EXPECT_TRUE(TempFilesIn(Scratch()).empty());
  ASSERT_TRUE(CopyFileTo(source, dest, false));
  EXPECT_EQ(ReadTextFile(dest).size(), 300000u);
  EXPECT_TRUE(TempFilesIn(Scratch()).empty());
}

// A link is seen as itself: a walk can tell it from a folder of its own.
TEST_F(FileSystem, LinksAreReparsePointsAndGoAsLinks) {
  ASSERT_TRUE(ForceFolders(Scratch("outside")));
  ASSERT_TRUE(WriteTextFile(Scratch("outside") + kPathDelim + "user.txt", "mine"));
  ASSERT_TRUE(ForceFolders(Scratch("walked")));
  const std::string link = Scratch("walked") + kPathDelim + "link";
  if (!MakeSymbolicLink(link, Scratch("outside"), true))
    GTEST_SKIP() << "no symbolic links here: " << LastSystemError();
  std::vector<TSearchRec> found;
  ASSERT_TRUE(FindFiles(Scratch("walked"), "link", found));
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].Attr & (faDirectory | faReparsePoint), faDirectory | faReparsePoint);
  EXPECT_NE(GetFileAttr(link) & faReparsePoint, 0u);
  EXPECT_TRUE(RemoveFolder(link));
  EXPECT_EQ(GetFileAttr(link), faInvalid);
  EXPECT_EQ(ReadTextFile(Scratch("outside") + kPathDelim + "user.txt"), "mine");
}

}  // namespace
}  // namespace xs
