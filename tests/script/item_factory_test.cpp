// The item factory: the fields and sections each form sets, the undo-record
// form, and handing items to a script or log.
#include "script/item_factory.h"

#include "script/undo.h"
#include "script_fixture.h"

namespace xs {
namespace {

using ItemFactoryTest = ScriptFixture;

TEST_F(ItemFactoryTest, EachFormSetsItsFieldsAndSection) {
  auto folder = NewDelFolderItem(eoShow, "C:\\App");
  EXPECT_EQ(folder->ErrorOptions, eoShow);
  EXPECT_EQ(folder->FolderName, "C:\\App");
  EXPECT_EQ(folder->Section, isFolder);

  auto file = NewDelFileItem(eoAbort, "C:\\App\\a.exe");
  EXPECT_EQ(file->ErrorOptions, eoAbort);
  EXPECT_EQ(file->FileName, "C:\\App\\a.exe");
  EXPECT_EQ(file->Section, isFile);

  auto files = NewDelFilesItem(eoIgnore, "C:\\App", "*.log", true);
  EXPECT_EQ(files->FolderName, "C:\\App");
  EXPECT_EQ(files->Filter, "*.log");
  EXPECT_TRUE(files->IncludeSubFolders);
  EXPECT_EQ(files->Section, isFile);

  auto ini = NewDelXIniItem(eoShow, "a.xini", "obj", "TClass", "Value");
  EXPECT_EQ(ini->FileName, "a.xini");
  EXPECT_EQ(ini->ObjectName, "obj");
  EXPECT_EQ(ini->ObjectClass, "TClass");
  EXPECT_EQ(ini->ValueName, "Value");
  EXPECT_EQ(ini->Section, isIni);

  auto key = NewRegKeyItem(eoShow, true, hkey::LocalMachine, optrFailIfExists, "Software\\V");
  EXPECT_EQ(key->ErrorOptions, eoShow);
  EXPECT_TRUE(key->SaveUndo);
  EXPECT_EQ(key->RootID, 0x80000002u);
  EXPECT_EQ(key->Options, optrFailIfExists);
  EXPECT_EQ(key->KeyName, "Software\\V");
  EXPECT_EQ(key->Section, isReg);

  auto del_key = NewDelRegKeyItem(eoIgnore, hkey::ClassesRoot, optrNone, ".smp");
  EXPECT_EQ(del_key->RootID, 0x80000000u);
  EXPECT_EQ(del_key->KeyName, ".smp");
  EXPECT_EQ(del_key->Section, isReg);

  auto val = NewRegValItem(eoIgnore, true, hkey::Users, optrNone, "K", "DisplayName", "App", optrString);
  EXPECT_TRUE(val->SaveUndo);
  EXPECT_EQ(val->RootID, 0x80000003u);
  EXPECT_EQ(val->KeyName, "K");
  EXPECT_EQ(val->ValueName, "DisplayName");
  EXPECT_EQ(val->Value, "App");
  EXPECT_EQ(val->ValueType, optrString);
  EXPECT_EQ(val->Section, isReg);

  auto del_val = NewDelRegValItem(eoShow, hkey::CurrentUser, optrNone, "K", "V");
  EXPECT_EQ(del_val->RootID, 0x80000001u);
  EXPECT_EQ(del_val->ValueName, "V");
  EXPECT_EQ(del_val->Section, isReg);

  for (TXUICustomItem* item : {static_cast<TXUICustomItem*>(folder.get()), static_cast<TXUICustomItem*>(val.get())}) {
    EXPECT_FALSE(item->IsUndo);
    EXPECT_EQ(item->Condition, TXUIConditions().set(cdAlways));
  }
}

TEST_F(ItemFactoryTest, TheUndoRecordFormTakesTheExecutedItemsPlace) {
  TXUIFileItem executed;
  executed.Section = isStart;
  executed.SetLgID(7);
  executed.Component = 3;
  executed.Condition.set(cdReinstall);
  executed.ErrorOptions = eoAbort;
  auto record = AsUndoRecord(executed, NewDelFileItem(eoIgnore, "C:\\App\\a.exe"));
  EXPECT_EQ(record->Section, isStart) << "overwrites the section the first step set";
  EXPECT_EQ(record->LgID(), 7);
  EXPECT_EQ(record->Component, 3);
  EXPECT_TRUE(record->IsUndo);
  EXPECT_EQ(record->Condition, TXUIConditions().set(cdAlways));
  EXPECT_EQ(record->ErrorOptions, eoIgnore);
  EXPECT_EQ(record->FileName, "C:\\App\\a.exe");

  TXUIRegKeyItem item;
  SetUndoProps(item, isTemp, 12, 200, false, TXUIConditions().set(cdDemo));
  EXPECT_EQ(item.Section, isTemp);
  EXPECT_EQ(item.LgID(), 12);
  EXPECT_EQ(item.Component, 200);
  EXPECT_FALSE(item.IsUndo);
  EXPECT_EQ(item.Condition, TXUIConditions().set(cdDemo));
}

TEST_F(ItemFactoryTest, AnOwnerTakesTheItemAtTheEndOfItsItems) {
  TXUndo log;
  log.AddItem(NewDelFolderItem(eoIgnore, "first"));
  TXUIDelFileItem* added = log.AddItem(NewDelFileItem(eoIgnore, "second"));
  ASSERT_EQ(log.Items.Count(), 2);
  EXPECT_EQ(log.Items.GetItem(1), added);
  EXPECT_EQ(added->FileName, "second");
  TXUndoList logs;
  logs.Add(new TXUndo());
  EXPECT_EQ(logs.GetItem(0)->Items.Count(), 0);
}

}  // namespace
}  // namespace xs
