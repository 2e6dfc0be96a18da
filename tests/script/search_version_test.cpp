// The version search over the script's search items: which file each kind
// of item looks at, the Major.Minor range with its fraction rule, and the
// Build bounds of optcBuild.
#include "script/search_version.h"

#include <memory>
#include <vector>

#include "base/macro_expanders.h"
#include "base/text.h"
#include "platform/file_system.h"
#include "platform/pe_builder.h"
#include "script/file_items.h"
#include "script/search_items.h"
#include "script_fixture.h"

namespace xs {
namespace {

const std::string D(1, kPathDelim);

class SearchVersionTest : public ScriptMachineTest {
 protected:
  void SetUp() override {
    ScriptMachineTest::SetUp();
    folder_ = Scratch("App");
    ASSERT_TRUE(ForceFolders(folder_ + D + "bin"));
  }

  template <class T>
  T& Add(const std::string& file_name, const std::string& from, const std::string& to,
         TXUISearchOptions find = optfOld, TXUISearchCheckOptions check = optcVersion) {
    auto item = std::make_unique<T>();
    item->FileName = file_name;
    item->FromVersion = from;
    item->ToVersion = to;
    item->Find = find;
    item->Options = check;
    T& ref = *item;
    list_.Add(item.release());
    return ref;
  }
  bool Search(TXUISearchOptions kind = optfOld) { return SearchVersion(list_, folder_, kind); }

  std::string folder_;
  TXUIObjectList list_{true};
};

TEST_F(SearchVersionTest, TheRangeComparesMajorPlusTheFractionOfMinor) {
  ASSERT_TRUE(WriteVersionedFile(folder_ + D + "app.exe", 7, 5, 3, 200));
  const struct {
    const char *from, *to;
    bool match;
  } cases[] = {
      {"7.0", "7.9", true},
      {"7.5", "7.5", true},      // both ends count
      {"7.9", "7.10", false},    // 7.10 counts as 7.1, below 7.9: the range is empty
      {"7.1", "7.10", false},    // 7.1 to 7.1
      {"7.25", "7.6", true},     // 7.25 < 7.5 < 7.6
      {"7.50", "7.6", true},     // 7.50 is 7.5
      {"7.6", "8.0", false},
      {"6.0", "7.49", false},    // 7.49 < 7.5
      {"", "", false},
      {"0", "99", true},
      {"7.5.9.9999", "7.5.0.0", true},  // Release and Build do not count for optcVersion
  };
  for (const auto& c : cases) {
    list_.Clear();
    Add<TXUIFolderSearchVersionItem>("app.exe", c.from, c.to);
    EXPECT_EQ(Search(), c.match) << c.from << " to " << c.to;
  }
}

TEST_F(SearchVersionTest, BuildBoundsAreInclusiveAndComeOnTopOfTheRange) {
  ASSERT_TRUE(WriteVersionedFile(folder_ + D + "app.exe", 7, 5, 3, 200));
  const struct {
    const char *from, *to;
    bool match;
  } cases[] = {
      {"7.0.0.100", "7.9.0.300", true},
      {"7.0.0.200", "7.9.0.200", true},
      {"7.0.0.201", "7.9.0.300", false},
      {"7.0.0.100", "7.9.0.199", false},
      {"7.0", "7.9", false},               // Build 0 to 0
      {"7.6.0.100", "7.9.0.300", false},   // Build fits, the range does not
      {"1.0.9.0", "9.0.0.65535", true},    // Release does not count
  };
  for (const auto& c : cases) {
    list_.Clear();
    Add<TXUIFolderSearchVersionItem>("app.exe", c.from, c.to, optfOld, optcBuild);
    EXPECT_EQ(Search(), c.match) << c.from << " to " << c.to;
  }
}

TEST_F(SearchVersionTest, FolderItemsTakeTheNameOnlyRegistryItemsTheWholeRelativePath) {
  ASSERT_TRUE(WriteVersionedFile(folder_ + D + "bin" + D + "core.dll", 2, 1, 0, 0));
  Add<TXUIFolderSearchVersionItem>("bin" + D + "core.dll", "2.0", "3.0");
  EXPECT_FALSE(Search()) << "looks at App" << D << "core.dll";
  Add<TXUIRegSearchVersionItem>("bin" + D + "core.dll", "2.0", "3.0");
  EXPECT_TRUE(Search());

  list_.Clear();
  Add<TXUIFolderSearchVersionItem>(Scratch("elsewhere") + D + "bin" + D + "core.dll", "2.0", "3.0");
  EXPECT_FALSE(Search());
  ASSERT_TRUE(WriteVersionedFile(folder_ + D + "core.dll", 2, 1, 0, 0));
  EXPECT_TRUE(Search()) << "the folder part of FileName is dropped";
  EXPECT_TRUE(SearchVersion(list_, folder_ + D, optfOld)) << "a folder may end with a delimiter";
  EXPECT_FALSE(SearchVersion(list_, "", optfOld)) << "no folder, no match";
}

TEST_F(SearchVersionTest, OnlySearchItemsOfTheAskedKindTakePart) {
  ASSERT_TRUE(WriteVersionedFile(folder_ + D + "app.exe", 7, 5, 0, 0));
  Add<TXUIFolderSearchVersionItem>("missing.exe", "0", "99");  // no file: no match
  Add<TXUIFolderSearchVersionItem>("app.exe", "7.0", "8.0", optfReinstall);
  EXPECT_FALSE(Search(optfOld));
  EXPECT_TRUE(Search(optfReinstall));

  list_.Clear();
  auto plain = std::make_unique<TXUICustomSearchVersionItem>();  // neither folder nor registry item
  plain->FileName = "app.exe";
  plain->ToVersion = "99";
  list_.Add(plain.release());
  list_.Add(new TXUIFileItem);
  EXPECT_FALSE(Search());
}

TEST_F(SearchVersionTest, FileNamesAreExpandedInPlaceAndTheFirstMatchEndsTheSearch) {
  TXMacroExpanderRegistration app([](const std::string& text) { return ReplaceAll(text, "<name>", "app", false); });
  ASSERT_TRUE(WriteVersionedFile(folder_ + D + "app.exe", 7, 5, 0, 0));
  auto& first = Add<TXUIRegSearchVersionItem>("<name>.exe", "7.0", "8.0");
  auto& second = Add<TXUIFolderSearchVersionItem>("<name>.exe", "7.0", "8.0");
  EXPECT_TRUE(Search());
  EXPECT_EQ(first.FileName, "app.exe");
  EXPECT_EQ(second.FileName, "<name>.exe") << "not reached";
}

TEST_F(SearchVersionTest, AFileWithoutAVersionIsVersionZero) {
  ASSERT_TRUE(WriteTextFile(folder_ + D + "readme.txt", "no version here"));
  Add<TXUIFolderSearchVersionItem>("readme.txt", "1.0", "9.0");
  EXPECT_FALSE(Search());
  Add<TXUIFolderSearchVersionItem>("readme.txt", "", "0.0");
  EXPECT_TRUE(Search());
}

}  // namespace
}  // namespace xs
