// What only the POSIX emulation does: its records, and the registry file's
// safety against damage and failed writes.
#ifndef _WIN32

#include "platform/emulation.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/posix/escape.h"
#include "platform/registry.h"
#include "platform/shell_notify.h"
#include "platform/system_error.h"
#include "platform/system_params.h"
#include "platform_fixture.h"

namespace xs {
namespace {

using Emulation = PlatformTest;

TEST_F(Emulation, ShellNotificationsAndSystemParametersAreRecorded) {
  NotifyShellChange(shcneCreate, shcnfPath | shcnfFlush, "/x/App.lnk");
  NotifyShellChange(shcneAssocChanged, shcnfIdList);
  std::vector<TShellChange> changes = RecordedShellChanges();
  ASSERT_EQ(changes.size(), 2u);
  EXPECT_EQ(changes[0].Event, shcneCreate);
  EXPECT_EQ(changes[0].Flags, shcnfPath | shcnfFlush);
  EXPECT_EQ(changes[0].Path1, "/x/App.lnk");
  EXPECT_EQ(changes[1].Event, shcneAssocChanged);
  EXPECT_TRUE(ChangeSystemParameter(0x14, 7, spifUpdateIniFile | spifSendChange));
  ASSERT_EQ(RecordedSystemParameterChanges().size(), 1u);
  EXPECT_EQ(RecordedSystemParameterChanges()[0].UiParam, 7u);
  ClearEmulationRecords();
  EXPECT_TRUE(RecordedShellChanges().empty());
  EXPECT_TRUE(RecordedSystemParameterChanges().empty());
}

TEST(EscapeField, RoundTripsEveryByteAndRejectsBrokenEscapes) {
  std::string all;
  for (int i = 0; i < 256; ++i) all += static_cast<char>(i);
  std::string escaped = EscapeField(all);
  EXPECT_EQ(escaped.find_first_of(" \n\r\t"), std::string::npos);
  EXPECT_EQ(UnescapeField(escaped), all);
  EXPECT_EQ(EscapeField("a b%"), "a%20b%25");
  for (const char* bad : {"%", "%4", "%G0", "ab%z1"}) EXPECT_FALSE(UnescapeField(bad)) << bad;
}

std::string StoreFile() { return EmulationRoot() + "/registry.txt"; }

TEST_F(Emulation, ADamagedRegistryFileIsReportedAndNeverOverwritten) {
  TXRegistry reg(kHKeyCurrentUser);
  ASSERT_TRUE(reg.CreateKey("Software\\Before"));
  for (const char* junk : {"not a registry\n", "XSetupRegistry 1\nK HKXX :a\n", "XSetupRegistry 1\nV 1 :x :00\n",
                           "XSetupRegistry 1\nK HKCU :a\nV 1 :x :0\n", "XSetupRegistry 1\nK HKCU :a\\\\b\n"}) {
    ASSERT_TRUE(WriteTextFile(StoreFile(), junk));
    EXPECT_FALSE(reg.KeyExists("Software")) << junk;
    EXPECT_FALSE(reg.CreateKey("Software\\After")) << junk;
    EXPECT_EQ(LastSystemError(), EIO);
    EXPECT_EQ(ReadTextFile(StoreFile()), junk);
  }
}

TEST_F(Emulation, AFailedRegistryWriteKeepsEverything) {
  TXRegistry reg(kHKeyCurrentUser);
  ASSERT_TRUE(reg.OpenKey("Software\\Kept", true));
  ASSERT_TRUE(reg.WriteString("Value", "safe"));
  std::string before = ReadTextFile(StoreFile());
  ASSERT_EQ(::chmod(StoreFile().c_str(), 0444), 0);  // the next rewrite fails
  EXPECT_FALSE(reg.WriteString("Value", "lost?"));
  EXPECT_FALSE(reg.CreateKey("Software\\New"));
  EXPECT_EQ(ReadTextFile(StoreFile()), before);
  EXPECT_EQ(reg.ReadString("Value"), "safe");
  ASSERT_EQ(::chmod(StoreFile().c_str(), 0644), 0);
  EXPECT_TRUE(reg.WriteString("Value", "changed"));
  EXPECT_EQ(reg.ReadString("Value"), "changed");
}

TEST_F(Emulation, ClassesRootIsTheMachinesClassesKey) {
  TXRegistry classes(kHKeyClassesRoot);
  ASSERT_TRUE(classes.OpenKey(".txt", true));
  ASSERT_TRUE(classes.WriteString("", "txtfile"));
  TXRegistry machine(kHKeyLocalMachine);
  ASSERT_TRUE(machine.OpenKeyReadOnly("SOFTWARE\\Classes\\.TXT"));
  EXPECT_EQ(machine.ReadString(""), "txtfile");
}

TEST_F(Emulation, AKeyDeletedByAnotherHandleIsNotBroughtBack) {
  TXRegistry writer(kHKeyCurrentUser), other(kHKeyCurrentUser);
  ASSERT_TRUE(writer.OpenKey("Software\\Shared", true));
  ASSERT_TRUE(other.DeleteKey("Software\\Shared"));
  EXPECT_FALSE(writer.WriteString("x", "y"));
  EXPECT_FALSE(other.KeyExists("Software\\Shared"));
}

}  // namespace
}  // namespace xs

#endif
