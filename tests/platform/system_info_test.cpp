#include "platform/system_info.h"

#include <gtest/gtest.h>

#include "platform/file_system.h"
#ifndef _WIN32
#include "platform/emulation.h"
#endif
#include "platform/shell_folders.h"
#include "platform/system_error.h"
#include "platform_fixture.h"

namespace xs {
namespace {

using SystemInfo = PlatformTest;

TEST_F(SystemInfo, MachineFoldersExist) {
  std::string temp = TempFolder();
  ASSERT_FALSE(temp.empty());
  EXPECT_TRUE(IsPathDelimiter(temp.back())) << temp;
  EXPECT_TRUE(FolderExists(temp));
  for (const std::string& folder : {WindowsFolder(), SystemFolder()}) {
    ASSERT_FALSE(folder.empty());
    EXPECT_FALSE(IsPathDelimiter(folder.back())) << folder;
    EXPECT_TRUE(FolderExists(folder)) << folder;
  }
  EXPECT_EQ(SystemFolder().rfind(WindowsFolder(), 0), 0u);  // below the Windows folder
}

TEST_F(SystemInfo, UserAndComputerHaveNames) {
  EXPECT_FALSE(LogonUserName().empty());
  std::string computer = ComputerName();
  EXPECT_FALSE(computer.empty());
  EXPECT_LE(computer.size(), 15u);
  EXPECT_TRUE(IsWinXPOrLater());
}

TEST_F(SystemInfo, ShortPathsOfExistingAndMissingPaths) {
  ASSERT_TRUE(WriteTextFile(Scratch("A Long File Name.text"), "x"));
  std::string short_name = ShortPathName(Scratch("A Long File Name.text"));
  EXPECT_FALSE(short_name.empty());
  EXPECT_EQ(ReadTextFile(short_name), "x");  // names the same file
  EXPECT_EQ(ShortPathName(Scratch("missing.txt")), "");
  EXPECT_NE(LastSystemError(), 0);
}

TEST_F(SystemInfo, EnvironmentExpansionKeepsWhatItCannotExpand) {
  SetTestVariable("XS_TEST_VAR", "value");
  EXPECT_EQ(EnvironmentVariable("XS_TEST_VAR"), "value");
  EXPECT_FALSE(EnvironmentVariable("XS_SURELY_UNDEFINED"));
  EXPECT_EQ(ExpandEnvironment("a%XS_TEST_VAR%b"), "avalueb");
  EXPECT_EQ(ExpandEnvironment("%xs_test_var%"), "value");  // names in any case
  EXPECT_EQ(ExpandEnvironment("%XS_SURELY_UNDEFINED%\\x"), "%XS_SURELY_UNDEFINED%\\x");
  EXPECT_EQ(ExpandEnvironment("100% sure"), "100% sure");
  EXPECT_EQ(ExpandEnvironment("no variables"), "no variables");
  std::optional<std::string> appdata = EnvironmentVariable("APPDATA");
  ASSERT_TRUE(appdata);
  EXPECT_EQ(ExpandEnvironment("%APPDATA%"), *appdata);
}

TEST_F(SystemInfo, SpecialFoldersAreMadeOnRequest) {
  for (int csidl : {csidlDesktop, csidlPrograms, csidlPersonal, csidlAppData, csidlProgramFiles,
                    csidlCommonPrograms, csidlStartMenu}) {
    std::string folder = SpecialFolderPath(csidl, true);
    EXPECT_FALSE(folder.empty()) << csidl;
    EXPECT_TRUE(FolderExists(folder)) << csidl << " " << folder;
    EXPECT_FALSE(IsPathDelimiter(folder.back())) << folder;
    EXPECT_EQ(SpecialFolderPath(csidl, false), folder);
  }
  EXPECT_EQ(SpecialFolderPath(csidlWindows, true), WindowsFolder());
  EXPECT_EQ(SpecialFolderPath(0x70, true), "");  // no such folder number
}

#ifndef _WIN32
TEST_F(SystemInfo, EmulatedVariablesFollowTheMachineAndCanBeChanged) {
  EXPECT_EQ(ExpandEnvironment("%APPDATA%"), SpecialFolderPath(csidlAppData, true));
  EXPECT_EQ(ExpandEnvironment("%HOMEDRIVE%%HOMEPATH%"), SpecialFolderPath(csidlProfile, true));
  SetEmulatedVariable("APPDATA", std::nullopt);
  EXPECT_EQ(ExpandEnvironment("%APPDATA%"), "%APPDATA%");
  SetEmulatedVariable("TMP", Scratch("tmp"));
  EXPECT_EQ(TempFolder(), Scratch("tmp") + "/");
  ResetEmulatedVariables();
  EXPECT_EQ(ExpandEnvironment("%APPDATA%"), SpecialFolderPath(csidlAppData, true));
  // Without a special folder, nothing is made unless asked to.
  EXPECT_EQ(SpecialFolderPath(csidlMyMusic, false), "");
  EXPECT_EQ(LastSystemError(), kErrPathNotFound);
}
#endif

}  // namespace
}  // namespace xs
