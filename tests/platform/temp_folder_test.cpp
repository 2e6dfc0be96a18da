#include "platform/temp_folder.h"

#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "platform/system_info.h"
#include "platform_fixture.h"

namespace xs {
namespace {

using TempFolderTest = PlatformTest;

TEST_F(TempFolderTest, EachCallMakesANewEmptyFolderInTheTemporaryFolder) {
  const std::string a = CreateTempFolder(), b = CreateTempFolder();
  ASSERT_FALSE(a.empty());
  ASSERT_FALSE(b.empty());
  EXPECT_NE(a, b);
  for (const std::string& folder : {a, b}) {
    SCOPED_TRACE(folder);
    EXPECT_TRUE(IsPathDelimiter(folder.back()));
    EXPECT_EQ(ExtractFilePath(folder.substr(0, folder.size() - 1)), TempFolder());
    std::vector<TSearchRec> found;
    ASSERT_TRUE(FindFiles(folder, "*", found));
    for (const TSearchRec& entry : found) EXPECT_TRUE(entry.Name == "." || entry.Name == "..") << entry.Name;
    EXPECT_TRUE(RemoveFolder(folder));
  }
}

}  // namespace
}  // namespace xs
