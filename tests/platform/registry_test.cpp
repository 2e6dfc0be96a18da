#include "platform/registry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "platform/system_error.h"
#include "platform/system_info.h"
#include "platform_fixture.h"

namespace xs {
namespace {

using Registry = PlatformTest;

std::vector<std::string> Sorted(std::vector<std::string> names) {
  for (auto& n : names)
    for (char& c : n) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  std::sort(names.begin(), names.end());
  return names;
}

TEST_F(Registry, EveryValueTypeRoundTrips) {
  TXRegistry reg(kHKeyCurrentUser);
  ASSERT_TRUE(reg.OpenKey(TestKey(), true)) << LastSystemError();
  const std::string binary("\x00\x01\xFF\n\r %", 7);
  EXPECT_TRUE(reg.WriteString("Str", "C:\\Program Files\\App"));
  EXPECT_TRUE(reg.WriteString("", "default value"));
  EXPECT_TRUE(reg.WriteExpandString("Exp", "%SystemRoot%\\app.exe"));
  EXPECT_TRUE(reg.WriteMultiString("Multi", {"one", "two words", "three"}));
  EXPECT_TRUE(reg.WriteInteger("Dword", 0xDEADBEEF));
  EXPECT_TRUE(reg.WriteQword("Qword", 0x0123456789ABCDEFull));
  EXPECT_TRUE(reg.WriteBinary("Bin", binary));
  EXPECT_TRUE(reg.WriteBinary("Empty", ""));
  EXPECT_TRUE(reg.WriteValue("Raw", RegType::None, "xyz"));
  reg.CloseKey();

  // A fresh object reads what the first one wrote.
  TXRegistry again(kHKeyCurrentUser);
  ASSERT_TRUE(again.OpenKeyReadOnly(TestKey()));
  EXPECT_EQ(again.ReadString("Str"), "C:\\Program Files\\App");
  EXPECT_EQ(again.ReadString(""), "default value");
  EXPECT_EQ(again.ReadString("Exp"), "%SystemRoot%\\app.exe");  // stored unexpanded
  EXPECT_EQ(again.ReadValue("Exp")->Type, RegType::ExpandString);
  EXPECT_EQ(again.ReadMultiString("Multi"), (std::vector<std::string>{"one", "two words", "three"}));
  EXPECT_EQ(again.ReadInteger("Dword"), 0xDEADBEEFu);
  EXPECT_EQ(again.ReadValue("Dword")->Data, std::string("\xEF\xBE\xAD\xDE", 4));
  EXPECT_EQ(again.ReadQword("Qword"), 0x0123456789ABCDEFull);
  EXPECT_EQ(again.ReadBinary("Bin"), binary);
  EXPECT_EQ(again.ReadBinary("Empty"), "");
  std::optional<TRegValue> raw = again.ReadValue("Raw");
  ASSERT_TRUE(raw);
  EXPECT_EQ(raw->Type, RegType::None);
  EXPECT_EQ(raw->Data, "xyz");
  EXPECT_EQ(again.ReadValue("Str")->Data, std::string("C:\\Program Files\\App\0", 21));
}

TEST_F(Registry, TypedReadsRefuseOtherTypesAndMissingValues) {
  TXRegistry reg(kHKeyCurrentUser);
  ASSERT_TRUE(reg.OpenKey(TestKey(), true));
  ASSERT_TRUE(reg.WriteInteger("Number", 5));
  ASSERT_TRUE(reg.WriteString("Text", "5"));
  EXPECT_FALSE(reg.ReadString("Number"));
  EXPECT_EQ(LastSystemError(), kErrInvalidParameter);
  EXPECT_FALSE(reg.ReadInteger("Text"));
  EXPECT_FALSE(reg.ReadBinary("Text"));
  EXPECT_FALSE(reg.ReadString("Missing"));
  EXPECT_EQ(LastSystemError(), kErrFileNotFound);
  EXPECT_FALSE(reg.ValueExists("Missing"));
  EXPECT_TRUE(reg.ValueExists("Number"));
  // A multi-string cannot hold an empty entry: refused, nothing written.
  EXPECT_FALSE(reg.WriteMultiString("Multi", {"a", "", "b"}));
  EXPECT_EQ(LastSystemError(), kErrInvalidParameter);
  EXPECT_FALSE(reg.ValueExists("Multi"));
  EXPECT_TRUE(reg.WriteMultiString("Multi", {}));
  EXPECT_EQ(reg.ReadMultiString("Multi"), std::vector<std::string>{});
}

TEST_F(Registry, NamesIgnoreLetterCaseAndKeepTheirSpelling) {
  TXRegistry reg(kHKeyCurrentUser);
  ASSERT_TRUE(reg.OpenKey(TestKey() + "\\MixedCase", true));
  ASSERT_TRUE(reg.WriteString("DisplayName", "first"));
  ASSERT_TRUE(reg.WriteString("DISPLAYNAME", "second"));
  std::vector<std::string> names;
  ASSERT_TRUE(reg.GetValueNames(names));
  EXPECT_EQ(names, std::vector<std::string>{"DisplayName"});
  EXPECT_EQ(reg.ReadString("displayname"), "second");
  reg.CloseKey();
  EXPECT_TRUE(reg.KeyExists(TestKey() + "\\MIXEDCASE"));
  ASSERT_TRUE(reg.OpenKey(TestKey(), false));
  ASSERT_TRUE(reg.GetKeyNames(names));
  EXPECT_EQ(names, std::vector<std::string>{"MixedCase"});
}

TEST_F(Registry, EnumeratesSubkeysAndValues) {
  TXRegistry reg(kHKeyCurrentUser);
  for (const char* sub : {"\\Beta", "\\alpha", "\\Gamma\\Deep"}) ASSERT_TRUE(reg.CreateKey(TestKey() + sub));
  ASSERT_TRUE(reg.OpenKey(TestKey(), false));
  ASSERT_TRUE(reg.WriteInteger("One", 1));
  ASSERT_TRUE(reg.WriteString("Two", "2"));
  std::vector<std::string> keys, values;
  ASSERT_TRUE(reg.GetKeyNames(keys));
  ASSERT_TRUE(reg.GetValueNames(values));
  EXPECT_EQ(Sorted(keys), (std::vector<std::string>{"ALPHA", "BETA", "GAMMA"}));
  EXPECT_EQ(Sorted(values), (std::vector<std::string>{"ONE", "TWO"}));
}

TEST_F(Registry, DeleteKeyTakesSubkeysAndValuesAlong) {
  TXRegistry reg(kHKeyCurrentUser);
  ASSERT_TRUE(reg.OpenKey(TestKey() + "\\App\\Sub\\Deeper", true));
  ASSERT_TRUE(reg.WriteString("v", "x"));
  reg.CloseKey();
  ASSERT_TRUE(reg.OpenKey(TestKey() + "\\Keep", true));
  reg.CloseKey();
  EXPECT_TRUE(reg.DeleteKey(TestKey() + "\\App"));
  EXPECT_FALSE(reg.KeyExists(TestKey() + "\\App"));
  EXPECT_FALSE(reg.KeyExists(TestKey() + "\\App\\Sub\\Deeper"));
  EXPECT_TRUE(reg.KeyExists(TestKey() + "\\Keep"));
  // Deleting again fails: nothing is there.
  EXPECT_FALSE(reg.DeleteKey(TestKey() + "\\App"));
  EXPECT_EQ(LastSystemError(), kErrFileNotFound);
  // The root itself is never deleted.
  EXPECT_FALSE(reg.DeleteKey(""));
  EXPECT_FALSE(reg.DeleteKey("\\"));
}

TEST_F(Registry, DeleteValueAndMissingKeys) {
  TXRegistry reg(kHKeyCurrentUser);
  ASSERT_TRUE(reg.OpenKey(TestKey(), true));
  ASSERT_TRUE(reg.WriteString("Gone", "soon"));
  EXPECT_TRUE(reg.DeleteValue("gone"));
  EXPECT_FALSE(reg.ValueExists("Gone"));
  EXPECT_FALSE(reg.DeleteValue("Gone"));
  EXPECT_EQ(LastSystemError(), kErrFileNotFound);
  EXPECT_FALSE(reg.OpenKey(TestKey() + "\\Nowhere", false));
  EXPECT_FALSE(reg.HasOpenKey());
  EXPECT_FALSE(reg.KeyExists(TestKey() + "\\Nowhere"));
  // Without an open key, value operations fail instead of touching a root.
  EXPECT_FALSE(reg.WriteString("x", "y"));
  EXPECT_EQ(LastSystemError(), kErrInvalidHandle);
  EXPECT_FALSE(reg.ReadValue("x"));
}

TEST_F(Registry, ReadOnlyKeysRefuseChanges) {
  TXRegistry reg(kHKeyCurrentUser);
  ASSERT_TRUE(reg.OpenKey(TestKey(), true));
  ASSERT_TRUE(reg.WriteString("Keep", "me"));
  ASSERT_TRUE(reg.OpenKeyReadOnly(TestKey()));
  EXPECT_FALSE(reg.WriteString("New", "value"));
  EXPECT_EQ(LastSystemError(), kErrAccessDenied);
  EXPECT_FALSE(reg.DeleteValue("Keep"));
  EXPECT_EQ(reg.ReadString("Keep"), "me");
}

TEST_F(Registry, LeadingBackslashAndUnknownRoots) {
  TXRegistry reg(kHKeyCurrentUser);
  ASSERT_TRUE(reg.CreateKey("\\" + TestKey() + "\\Lead"));
  EXPECT_TRUE(reg.KeyExists(TestKey() + "\\Lead"));
  reg.SetRootKey(0x12345678);
  EXPECT_FALSE(reg.OpenKey("Software", true));
  EXPECT_FALSE(reg.CreateKey("Software\\X"));
}

TEST_F(Registry, ClassesRootIsWhereFileClassesLive) {
  TXRegistry classes(kHKeyClassesRoot);
  std::string ext = "." + UniqueName("xs").substr(0, 20);
  ASSERT_TRUE(classes.OpenKey(ext, true)) << LastSystemError();
  ASSERT_TRUE(classes.WriteString("", "XSetupTest.File"));
  classes.CloseKey();
  EXPECT_TRUE(classes.KeyExists(ext));
  EXPECT_TRUE(classes.DeleteKey(ext));
}

// Run in a second process by WritesAreSeenByASecondProcess, on the parent's
// machine (so without the fixture, which would make a fresh one).
TEST(RegistryChild, DISABLED_WritesValue) {
  std::optional<std::string> key = EnvironmentVariable("XS_TEST_KEY");
  ASSERT_TRUE(key);
  TXRegistry reg(kHKeyCurrentUser);
  ASSERT_TRUE(reg.OpenKey(*key, true));
  ASSERT_TRUE(reg.WriteString("FromChild", "written by the second process"));
  ASSERT_TRUE(reg.WriteInteger("ChildNumber", 42));
}

TEST_F(Registry, WritesAreSeenByASecondProcess) {
  TXRegistry reg(kHKeyCurrentUser);
  ASSERT_TRUE(reg.OpenKey(TestKey(), true));
  ASSERT_TRUE(reg.WriteString("FromParent", "kept"));
  SetTestVariable("XS_TEST_KEY", TestKey());
  EXPECT_EQ(RunSelf("RegistryChild.DISABLED_WritesValue"), 0u);
  EXPECT_EQ(reg.ReadString("FromChild"), "written by the second process");
  EXPECT_EQ(reg.ReadInteger("ChildNumber"), 42u);
  EXPECT_EQ(reg.ReadString("FromParent"), "kept");  // the child's write lost nothing
}

}  // namespace
}  // namespace xs

namespace xs {
namespace {

// The Wine tests check these from outside with the system's reg tool, then
// delete them through DISABLED_DeletesKnownValues and check again.
const char kOutsideKey[] = "Software\\XSetupTests\\Outside";

TEST(RegistryOutside, DISABLED_WritesKnownValues) {
  TXRegistry reg(kHKeyCurrentUser);
  ASSERT_TRUE(reg.OpenKey(kOutsideKey, true));
  ASSERT_TRUE(reg.WriteString("Text", "written by XSetup"));
  ASSERT_TRUE(reg.WriteExpandString("Expand", "%SystemRoot%\\xs"));
  ASSERT_TRUE(reg.WriteMultiString("Multi", {"first", "second"}));
  ASSERT_TRUE(reg.WriteInteger("Number", 0x2A));
  ASSERT_TRUE(reg.WriteQword("Big", 0x123456789ull));
  ASSERT_TRUE(reg.WriteBinary("Bytes", std::string("\xDE\xAD\xBE\xEF", 4)));
}

TEST(RegistryOutside, DISABLED_DeletesKnownValues) {
  TXRegistry reg(kHKeyCurrentUser);
  ASSERT_TRUE(reg.DeleteKey(kOutsideKey));
}

}  // namespace
}  // namespace xs
