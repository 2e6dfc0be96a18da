// Registry items against the registry: every value type with its
// conversion, keys, deletions, and HKEY_CURRENT_USER standing in for
// HKEY_LOCAL_MACHINE without administrative rights.
#include "script/registry_items.h"

#include <cstring>
#include <optional>
#include <vector>

#include "platform/registry.h"
#include "script/item_factory.h"
#include "script/registry_actions.h"
#include "script_fixture.h"

namespace xs {
namespace {

std::string Dword(uint32_t v) {
  std::string out;
  for (int i = 0; i < 4; ++i) out += static_cast<char>(v >> (8 * i));
  return out;
}
std::string Qword(uint64_t v) {
  std::string out;
  for (int i = 0; i < 8; ++i) out += static_cast<char>(v >> (8 * i));
  return out;
}
std::string Currency(int64_t ten_thousandths) { return Qword(static_cast<uint64_t>(ten_thousandths)); }
std::string DateTime(double days) {
  uint64_t bits;
  std::memcpy(&bits, &days, 8);
  return Qword(bits);
}
std::string Sz(const std::string& text) { return text + '\0'; }

struct ValueCase {
  TXUIRegValues type;
  std::string text;
  RegType stored;
  std::string bytes;
};

const std::vector<ValueCase>& ValueCases() {
  static const std::vector<ValueCase> cases = {
      {optrBoolean, "True", RegType::Dword, Dword(1)},
      {optrBoolean, "t", RegType::Dword, Dword(1)},
      {optrBoolean, "false", RegType::Dword, Dword(0)},
      {optrBoolean, "F1", RegType::Dword, Dword(0)},
      {optrBoolean, "yes", RegType::Dword, Dword(0)},  // neither T, F nor a number
      {optrBoolean, "-3", RegType::Dword, Dword(1)},
      {optrBoolean, "0", RegType::Dword, Dword(0)},
      {optrBoolean, "", RegType::Dword, Dword(0)},
      {optrString, "C:\\Program Files\\App", RegType::String, Sz("C:\\Program Files\\App")},
      {optrString, "", RegType::String, Sz("")},
      {optrFloat, "3.25", RegType::Binary, Currency(32500)},
      {optrFloat, "3", RegType::Binary, Currency(0)},        // no "." gives 0
      {optrFloat, "1.05", RegType::Binary, Currency(15000)},  // the zero is lost
      {optrFloat, "x.5", RegType::Binary, Currency(5000)},
      {optrFloat, "7.1x", RegType::Binary, Currency(70000)},
      {optrInteger, "42", RegType::Dword, Dword(42)},
      {optrInteger, "-1", RegType::Dword, Dword(0xFFFFFFFF)},
      {optrInteger, "4294967296", RegType::Dword, Dword(0)},
      {optrInteger, "12ab", RegType::Dword, Dword(0)},
      {optrDate, "45000", RegType::Binary, DateTime(45000)},
      {optrDate, "soon", RegType::Binary, DateTime(0)},
      {optrTime, "5", RegType::Binary, DateTime(0.5)},
      {optrTime, "25", RegType::Binary, DateTime(0.25)},
      {optrTime, "10", RegType::Binary, DateTime(0.1)},
      {optrDateTime, "45000.75", RegType::Binary, DateTime(45000.75)},
      {optrDateTime, "45000", RegType::Binary, DateTime(0)},
  };
  return cases;
}

std::optional<TRegValue> ReadBack(THKey root, const std::string& key, const std::string& name) {
  TXRegistry registry(root);
  if (!registry.OpenKeyReadOnly(key)) return std::nullopt;
  return registry.ReadValue(name);
}

bool KeyExists(THKey root, const std::string& key) {
  TXRegistry registry(root);
  return registry.KeyExists(key);
}

TEST(RegValueData, ConvertsTheScriptTextsByType) {
  for (const ValueCase& c : ValueCases()) {
    TRegValue data = RegValueData(c.type, c.text);
    EXPECT_EQ(data.Type, c.stored) << EnumInfo(c.type).Name(c.type) << " " << c.text;
    EXPECT_EQ(data.Data, c.bytes) << EnumInfo(c.type).Name(c.type) << " " << c.text;
  }
}

TEST(RegValueData, FractionsDivideByTenUntilBelowOne) {
  const std::vector<std::pair<int64_t, double>> cases = {
      {0, 0}, {5, 0.5}, {25, 0.25}, {10, 0.1}, {100, 0.1}, {9999, 0.9999}, {-4, -4}};
  for (const auto& [n, fraction] : cases) EXPECT_DOUBLE_EQ(DigitFraction(n), fraction) << n;
  EXPECT_DOUBLE_EQ(DecimalTextValue("7.10"), 7.1);
  EXPECT_DOUBLE_EQ(DecimalTextValue("7.9"), 7.9);
  EXPECT_DOUBLE_EQ(DecimalTextValue(".5"), 0.5);
}

using RegistryItems = ScriptMachineTest;

TEST_F(RegistryItems, EveryValueTypeIsWrittenAsConverted) {
  for (const ValueCase& c : ValueCases()) {
    TXUIRegValItem item;
    item.KeyName = TestKey() + "\\Values";
    item.ValueName = "v";
    item.Value = c.text;
    item.ValueType = c.type;
    std::unique_ptr<TXUICustomItem> undo;
    ASSERT_TRUE(item.Execute(undo)) << c.text;
    EXPECT_FALSE(undo);  // SaveUndo is not set
    std::optional<TRegValue> back = ReadBack(hkey::CurrentUser, item.KeyName, "v");
    ASSERT_TRUE(back) << c.text;
    EXPECT_EQ(back->Type, c.stored) << EnumInfo(c.type).Name(c.type) << " " << c.text;
    EXPECT_EQ(back->Data, c.bytes) << EnumInfo(c.type).Name(c.type) << " " << c.text;
  }
}

TEST_F(RegistryItems, ValueItemMakesItsKeyAndRecordsTheDeletion) {
  auto item = std::make_unique<TXUIRegValItem>();
  item->KeyName = TestKey() + "\\A\\B";
  item->ValueName = "Version";
  item->Value = "2.5";
  item->ValueType = optrString;
  item->Options = optrFailIfExists;
  item->SaveUndo = true;
  item->Section = isReg;
  item->SetLgID(7);
  item->Component = 3;
  std::unique_ptr<TXUICustomItem> undo;
  ASSERT_TRUE(item->Execute(undo));
  EXPECT_EQ(ReadBack(hkey::CurrentUser, item->KeyName, "Version")->Data, Sz("2.5"));

  auto* record = dynamic_cast<TXUIDelRegValItem*>(undo.get());
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->RootID, hkey::CurrentUser);
  EXPECT_EQ(record->KeyName, item->KeyName);
  EXPECT_EQ(record->ValueName, "Version");
  EXPECT_EQ(record->Options, optrNone);  // not the item's optrFailIfExists
  EXPECT_EQ(record->ErrorOptions, eoIgnore);
  EXPECT_EQ(record->Section, isReg);
  EXPECT_EQ(record->LgID(), 7);
  EXPECT_EQ(record->Component, 3);
  EXPECT_TRUE(record->IsUndo);
  EXPECT_EQ(record->Condition, TXUIConditions().set(cdAlways));

  // The record deletes the value and leaves the key.
  std::unique_ptr<TXUICustomItem> none;
  EXPECT_TRUE(record->Execute(none));
  EXPECT_FALSE(ReadBack(hkey::CurrentUser, item->KeyName, "Version"));
  EXPECT_TRUE(KeyExists(hkey::CurrentUser, item->KeyName));
}

TEST_F(RegistryItems, FailIfExistsLeavesAnExistingValueAlone) {
  std::string key = TestKey() + "\\Existing";
  ASSERT_TRUE(WriteRegValue(optrNone, hkey::CurrentUser, key, optrString, "old", "Name"));
  auto item = NewRegValItem(eoShow, true, hkey::CurrentUser, optrFailIfExists, key, "Name", "new", optrString);
  std::unique_ptr<TXUICustomItem> undo;
  EXPECT_FALSE(item->Execute(undo));
  EXPECT_FALSE(undo);
  EXPECT_EQ(XError().GetCode(), 0);  // a silent failure
  EXPECT_EQ(ReadBack(hkey::CurrentUser, key, "Name")->Data, Sz("old"));

  // Another name under the same key is written.
  item->ValueName = "Other";
  EXPECT_TRUE(item->Execute(undo));
  EXPECT_EQ(ReadBack(hkey::CurrentUser, key, "Other")->Data, Sz("new"));
}

TEST_F(RegistryItems, ValueDeletion) {
  std::string key = TestKey() + "\\Del";
  ASSERT_TRUE(WriteRegValue(optrNone, hkey::CurrentUser, key, optrInteger, "5", "n"));
  auto item = NewDelRegValItem(eoIgnore, hkey::CurrentUser, optrNone, key, "n");
  std::unique_ptr<TXUICustomItem> undo;
  EXPECT_TRUE(item->Execute(undo));
  EXPECT_FALSE(ReadBack(hkey::CurrentUser, key, "n"));
  EXPECT_FALSE(item->Execute(undo));  // the value is gone, the key is there

  auto missing = NewDelRegValItem(eoIgnore, hkey::CurrentUser, optrNone, TestKey() + "\\No\\Such", "n");
  EXPECT_TRUE(missing->Execute(undo));
  EXPECT_FALSE(KeyExists(hkey::CurrentUser, TestKey() + "\\No"));  // not made by the deletion
  EXPECT_FALSE(undo);
}

TEST_F(RegistryItems, KeyItemsMakeAndDeleteWholeKeys) {
  auto key = NewRegKeyItem(eoShow, true, hkey::CurrentUser, optrFailIfExists, TestKey() + "\\App\\Sub");
  std::unique_ptr<TXUICustomItem> undo;
  ASSERT_TRUE(key->Execute(undo));
  EXPECT_TRUE(KeyExists(hkey::CurrentUser, TestKey() + "\\App\\Sub"));
  auto* record = dynamic_cast<TXUIDelRegKeyItem*>(undo.get());
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->RootID, hkey::CurrentUser);
  EXPECT_EQ(record->KeyName, TestKey() + "\\App\\Sub");
  EXPECT_EQ(record->Options, optrFailIfExists);
  EXPECT_TRUE(record->IsUndo);

  // An existing key is no failure.
  std::unique_ptr<TXUICustomItem> again;
  EXPECT_TRUE(key->Execute(again));

  ASSERT_TRUE(WriteRegValue(optrNone, hkey::CurrentUser, TestKey() + "\\App\\Sub\\Deeper", optrString, "x", "v"));
  auto del = NewDelRegKeyItem(eoIgnore, hkey::CurrentUser, optrNone, TestKey() + "\\App");
  std::unique_ptr<TXUICustomItem> none;
  EXPECT_TRUE(del->Execute(none));
  EXPECT_FALSE(KeyExists(hkey::CurrentUser, TestKey() + "\\App"));
  EXPECT_FALSE(del->Execute(none));  // nothing left to delete
  EXPECT_FALSE(none);
}

TEST_F(RegistryItems, BlankKeyNamesNeverReachTheRegistry) {
  for (const std::string& name : {std::string(), std::string("  "), std::string("\t")}) {
    EXPECT_FALSE(WriteRegKey(hkey::CurrentUser, name));
    EXPECT_FALSE(DeleteRegKey(hkey::CurrentUser, name));
    EXPECT_FALSE(WriteRegValue(optrNone, hkey::CurrentUser, name, optrString, "x", "v"));
    EXPECT_FALSE(DeleteRegValue(hkey::CurrentUser, name, "v"));
  }
  EXPECT_FALSE(ReadBack(hkey::CurrentUser, "", "v"));
}

TEST_F(RegistryItems, WithoutAdminRightsTheUserHiveStandsInForTheMachine) {
  RunSettings().HasAdminRights = false;
  std::string key_name = TestKey() + "\\Machine";
  auto key = NewRegKeyItem(eoShow, true, hkey::LocalMachine, optrNone, key_name);
  std::unique_ptr<TXUICustomItem> key_undo;
  ASSERT_TRUE(key->Execute(key_undo));
  EXPECT_EQ(key->RootID, hkey::CurrentUser);  // kept for later runs of the item
  EXPECT_TRUE(KeyExists(hkey::CurrentUser, key_name));
  EXPECT_FALSE(KeyExists(hkey::LocalMachine, key_name));
  ASSERT_TRUE(key_undo);
  EXPECT_EQ(static_cast<TXUIDelRegKeyItem&>(*key_undo).RootID, hkey::CurrentUser);

  auto value = NewRegValItem(eoShow, true, hkey::LocalMachine, optrNone, key_name, "v", "1", optrInteger);
  std::unique_ptr<TXUICustomItem> value_undo;
  ASSERT_TRUE(value->Execute(value_undo));
  EXPECT_EQ(value->RootID, hkey::CurrentUser);
  EXPECT_EQ(ReadBack(hkey::CurrentUser, key_name, "v")->Data, Dword(1));
  ASSERT_TRUE(value_undo);
  EXPECT_EQ(static_cast<TXUIDelRegValItem&>(*value_undo).RootID, hkey::CurrentUser);

  // The deletion items redirect only for the call.
  auto del_value = NewDelRegValItem(eoIgnore, hkey::LocalMachine, optrNone, key_name, "v");
  auto del_key = NewDelRegKeyItem(eoIgnore, hkey::LocalMachine, optrNone, key_name);
  std::unique_ptr<TXUICustomItem> none;
  EXPECT_TRUE(del_value->Execute(none));
  EXPECT_FALSE(ReadBack(hkey::CurrentUser, key_name, "v"));
  EXPECT_TRUE(del_key->Execute(none));
  EXPECT_FALSE(KeyExists(hkey::CurrentUser, key_name));
  EXPECT_EQ(del_value->RootID, hkey::LocalMachine);
  EXPECT_EQ(del_key->RootID, hkey::LocalMachine);

  // Other roots are kept.
  EXPECT_EQ(RegRootForRun(hkey::ClassesRoot), hkey::ClassesRoot);
  EXPECT_EQ(RegRootForRun(hkey::Users), hkey::Users);
}

TEST_F(RegistryItems, WithAdminRightsTheMachineHiveIsWritten) {
  RunSettings().HasAdminRights = true;
  std::string key_name = TestKey() + "-machine";
  auto key = NewRegKeyItem(eoShow, true, hkey::LocalMachine, optrNone, key_name);
  std::unique_ptr<TXUICustomItem> undo;
  ASSERT_TRUE(key->Execute(undo));
  EXPECT_EQ(key->RootID, hkey::LocalMachine);
  EXPECT_TRUE(KeyExists(hkey::LocalMachine, key_name));
  EXPECT_FALSE(KeyExists(hkey::CurrentUser, key_name));
  std::unique_ptr<TXUICustomItem> none;
  EXPECT_TRUE(undo->Execute(none));
  EXPECT_FALSE(KeyExists(hkey::LocalMachine, key_name));
}

TEST_F(RegistryItems, DisplayTextIsTheKeyName) {
  TXUIRegKeyItem key;
  key.KeyName = "Software\\Vendor";
  TXUIRegValItem value;
  value.KeyName = "Software\\Vendor\\App";
  value.ValueName = "Path";
  TXUIDelRegValItem del;
  del.KeyName = "Software\\Other";
  EXPECT_EQ(key.GetDisplayText(), "Software\\Vendor");
  EXPECT_EQ(value.GetDisplayText(), "Software\\Vendor\\App");
  EXPECT_EQ(del.GetDisplayText(), "Software\\Other");
}

}  // namespace
}  // namespace xs
