#include "platform/shell_link.h"

#include <gtest/gtest.h>

#include "platform/file_stream.h"
#include "platform/registry.h"
#include "platform/system_error.h"
#include "platform_fixture.h"

namespace xs {
namespace {

using ShellLink = PlatformTest;

TEST_F(ShellLink, EveryFieldIsReadBack) {
  std::string target = Scratch("App.exe"), icon = Scratch("icons.dll");
  ASSERT_TRUE(WriteTextFile(target, "MZ"));
  ASSERT_TRUE(WriteTextFile(icon, "MZ"));
  TShellLink link;
  link.Target = target;
  link.Arguments = "/demo \"quoted arg\"";
  link.WorkingFolder = Scratch().substr(0, Scratch().size() - 1);
  link.Description = "My application, 100% useful";
  link.IconFile = icon;
  link.IconIndex = 3;
  link.ShowCommand = swShowMinNoActive;
  ASSERT_TRUE(WriteShellLink(Scratch("App.lnk"), link)) << LastSystemError();
  EXPECT_TRUE(FileExists(Scratch("App.lnk")));

  std::optional<TShellLink> back = ReadShellLink(Scratch("App.lnk"));
  ASSERT_TRUE(back) << LastSystemError();
  EXPECT_EQ(back->Target, target);  // the shell resolves it to the same file
  EXPECT_EQ(back->Arguments, link.Arguments);
  EXPECT_EQ(back->WorkingFolder, link.WorkingFolder);
  EXPECT_EQ(back->Description, link.Description);
  EXPECT_EQ(back->IconFile, icon);
  EXPECT_EQ(back->IconIndex, 3);
#ifdef _WIN32
  // Wine's link object reads the show command back as 1 whatever the file
  // holds; the file's header (offset 0x3C) is what counts when the link runs.
  std::string bytes = ReadTextFile(Scratch("App.lnk"));
  ASSERT_GT(bytes.size(), 0x40u);
  EXPECT_EQ(bytes[0x3C], swShowMinNoActive);
#else
  EXPECT_EQ(back->ShowCommand, swShowMinNoActive);
#endif
}

TEST_F(ShellLink, OptionalFieldsStayUnset) {
  std::string target = Scratch("tool.exe");
  ASSERT_TRUE(WriteTextFile(target, "MZ"));
  TShellLink link;
  link.Target = target;
  ASSERT_TRUE(WriteShellLink(Scratch("tool.lnk"), link));
  std::optional<TShellLink> back = ReadShellLink(Scratch("tool.lnk"));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->Target, target);
  EXPECT_EQ(back->Arguments, "");
  EXPECT_EQ(back->WorkingFolder, "");
  EXPECT_EQ(back->IconFile, "");
  EXPECT_EQ(back->ShowCommand, swShowNormal);
}

TEST_F(ShellLink, FailuresAreReported) {
  TShellLink link;
  link.Target = Scratch("x.exe");
  EXPECT_FALSE(WriteShellLink(Scratch("missing folder") + "\\x.lnk", link));
  EXPECT_NE(LastSystemError(), 0);
  EXPECT_FALSE(ReadShellLink(Scratch("nothing.lnk")));
  ASSERT_TRUE(WriteTextFile(Scratch("junk.lnk"), "not a link at all"));
  EXPECT_FALSE(ReadShellLink(Scratch("junk.lnk")));
}

TEST_F(ShellLink, FileClassesComeFromTheRegisteredExtension) {
  // A class of this test's own, removed again at the end.
  std::string ext = ".xs" + std::to_string(std::hash<std::string>{}(Scratch()) % 100000);
  std::string class_name = "XSetupTest" + ext.substr(1) + ".File";
  TXRegistry classes(kHKeyClassesRoot);
  ASSERT_TRUE(classes.OpenKey(ext, true));
  ASSERT_TRUE(classes.WriteString("", class_name));
  ASSERT_TRUE(classes.OpenKey(class_name + "\\CLSID", true));
  ASSERT_TRUE(classes.WriteString("", "{0aa1bb22-cc33-dd44-ee55-66778899aabb}"));
  classes.CloseKey();
  std::string file = Scratch("document") + ext;
  ASSERT_TRUE(WriteTextFile(file, "plain text, not a compound file"));
  EXPECT_EQ(FileClassId(file), "{0AA1BB22-CC33-DD44-EE55-66778899AABB}");
  EXPECT_EQ(FileClassId(Scratch("unknown.xs-none")), "");
  classes.DeleteKey(ext);
  classes.DeleteKey(class_name);
}

}  // namespace
}  // namespace xs
