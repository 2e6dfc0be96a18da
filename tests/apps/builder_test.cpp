// The builder's progress display and its listing of a folder for quick mode.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "platform/file_system.h"
#include "platform/platform_fixture.h"
#include "progress_output.h"
#include "quick_mode.h"

namespace xs {
namespace {

TEST(BuildProgressText, FormatsSizesAndTimesInShortUnits) {
  const std::pair<int64_t, const char*> sizes[] = {
      {0, "0 B"},          {1023, "1023 B"},          {1024, "1.00 KB"},         {1536, "1.50 KB"},
      {10 * 1024, "10.0 KB"}, {5 * 1024 * 1024 + 512 * 1024, "5.50 MB"}, {int64_t{3} << 30, "3.00 GB"},
      {int64_t{2048} << 40, "2048 TB"}};
  for (const auto& [bytes, text] : sizes) EXPECT_EQ(FormatBytes(bytes), text) << bytes;
  const std::pair<double, const char*> times[] = {
      {0.04, "0.0 s"}, {2.25, "2.2 s"}, {42.4, "42 s"}, {185, "3 min 05 s"}, {3600, "60 min 00 s"}};
  for (const auto& [seconds, text] : times) EXPECT_EQ(FormatSeconds(seconds), text) << seconds;
}

TEST(BuildProgressText, LineShowsBarCountsRateAndTimeLeft) {
  EXPECT_EQ(ProgressLine({4, 1, 2048, 1024}, 2.0),
            "[############............] 1/4 files, 1.00 KB of 2.00 KB, 512 B/s, 2.0 s left");
  // Before half a second has passed there is no rate to judge by.
  EXPECT_EQ(ProgressLine({4, 1, 2048, 1024}, 0.2), "[############............] 1/4 files, 1.00 KB of 2.00 KB, --");
  // Empty files: the bar follows the files. A file that grew while it was
  // written fills the bar and leaves no time.
  EXPECT_EQ(ProgressLine({4, 3, 0, 0}, 1.0).substr(0, 26), "[##################......]");
  EXPECT_EQ(ProgressLine({1, 1, 100, 300}, 1.0),
            "[########################] 1/1 files, 300 B of 100 B, 300 B/s, 0.0 s left");
  EXPECT_EQ(SummaryLine("s.exe", 1, 2048, 1536, 0.25), "s.exe: 1 file, 2.00 KB in, 1.50 KB out, 0.2 s");
}

TEST(BuildProgressText, PlainLinesEveryTenthABarRedrawnInPlaceNothingWhenQuiet) {
  for (TProgressStyle style : {TProgressStyle::Lines, TProgressStyle::Bar, TProgressStyle::None}) {
    std::ostringstream out;
    std::unique_ptr<TBuildProgress> progress = MakeBuildProgress(style, out);
    progress->Start(20, 2000);
    for (int i = 0; i < 20; ++i) progress->FileWritten(100);
    progress->Finish();
    const std::string text = out.str();
    if (style == TProgressStyle::Lines) {
      EXPECT_EQ(text.find('\r'), std::string::npos);
      EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 11) << text;
      EXPECT_NE(text.find("xsetup-build: 50%, 10/20 files, 1000 B of 1.95 KB\n"), std::string::npos) << text;
    } else if (style == TProgressStyle::Bar) {
      // Drawn at the start and at the end at least, then one line end.
      EXPECT_GE(std::count(text.begin(), text.end(), '\r'), 2) << text;
      EXPECT_NE(text.find("20/20 files, 1.95 KB of 1.95 KB"), std::string::npos) << text;
      EXPECT_EQ(text.back(), '\n');
    } else {
      EXPECT_EQ(text, "");
    }
  }
}

class QuickFolderTest : public PlatformTest {};

TEST_F(QuickFolderTest, ListsInNameOrderDepthFirstAndSkipsLinks) {
  const std::string app = Scratch("app");
  // Made out of order: the listing does not follow the system's order.
  for (const char* folder : {"app", "app/z", "app/b", "app/b/inner", "app/empty"})
    ASSERT_TRUE(CreateFolder(Scratch(folder)));
  for (const char* file : {"app/z/last.txt", "app/b/inner/deep.txt", "app/a.exe", "app/b/x.txt", "app/c.txt"})
    ASSERT_TRUE(WriteTextFile(Scratch(file), "x"));
  const bool linked = MakeSymbolicLink(Scratch("app/out"), Scratch(""), true);
  std::vector<TQuickEntry> entries;
  std::vector<std::string> skipped;
  std::string fault;
  ASSERT_TRUE(ListQuickFolder(app, entries, skipped, fault)) << fault;
  std::string listed;
  for (const TQuickEntry& e : entries) listed += e.Path + (e.IsFolder ? "/ " : " ");
  EXPECT_EQ(listed, "a.exe b/ b/inner/ b/inner/deep.txt b/x.txt c.txt empty/ z/ z/last.txt ");
  if (linked) {
    EXPECT_EQ(skipped, std::vector<std::string>{"out"});
  }

  std::string exe;
  ASSERT_TRUE(ChooseQuickExe(std::nullopt, entries, exe, fault));
  EXPECT_EQ(exe, "a.exe");
  ASSERT_TRUE(ChooseQuickExe(std::string(".\\b\\x.txt"), entries, exe, fault));
  EXPECT_EQ(exe, "b/x.txt");
  EXPECT_FALSE(ChooseQuickExe(std::string("b"), entries, exe, fault)) << "a folder is no program";
  EXPECT_NE(fault.find("--exe names no file"), std::string::npos);
  // Two programs at the top, none given: no program, and no fault.
  entries.push_back({"b.exe", false});
  ASSERT_TRUE(ChooseQuickExe(std::nullopt, entries, exe, fault));
  EXPECT_EQ(exe, "");
}

TEST_F(QuickFolderTest, RefusesAMissingFolderAndTheUninstallersName) {
  std::vector<TQuickEntry> entries;
  std::vector<std::string> skipped;
  std::string fault;
  EXPECT_FALSE(ListQuickFolder(Scratch("none"), entries, skipped, fault));
  EXPECT_NE(fault.find("no folder"), std::string::npos) << fault;
  ASSERT_TRUE(CreateFolder(Scratch("app")));
  ASSERT_TRUE(WriteTextFile(Scratch("app/Uninst.EXE"), "x"));
  EXPECT_FALSE(ListQuickFolder(Scratch("app"), entries, skipped, fault));
  EXPECT_NE(fault.find("uninst.exe"), std::string::npos) << fault;
}

}  // namespace
}  // namespace xs
