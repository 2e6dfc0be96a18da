// The stored form of the script classes: property order, defaults after the
// virtual constructor, exact text of an item, and round trips through object
// text and copying for every class.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/string_list.h"
#include "package/class_registry.h"
#include "package/test_classes.h"
#include "script/file_items.h"
#include "script/install.h"
#include "script/undo.h"
#include "script_fixture.h"

namespace xs {
namespace {

using testing_classes::ObjectOf;
using testing_classes::Lines;
using testing_classes::TextOf;

std::string PropertyNames(const TClass& cls) {
  std::string names;
  for (const TPropInfo* p : cls.Properties()) names += (names.empty() ? "" : " ") + p->Name;
  return names;
}

const std::string kCommon =
    "LgID LogIdx ErrorOptions Section Component IsUndo SaveUndo Condition UpgFromVer UpgToVer";

struct ClassCase {
  const char* name;
  std::string own;  // published properties after the common ones
};

// Every item class with its published properties, in the stored order.
const ClassCase kItemClasses[] = {
    {"TXUICustomItem", ""},
    {"TXUITextItem", "Text TextName"},
    {"TXUIComponentItem", "Title Description Required AppIdx Idx"},
    {"TXUIFolderItem", "FolderName"},
    {"TXUIDelFolderItem", "FolderName"},
    {"TXUICustomFileItem", "FileName"},
    {"TXUIFileItem", "FileName Options ProtectedRelease Data"},
    {"TXUITextFileItem", "FileName TextName Options"},
    {"TXUICopyFileItem", "FileName SourceName Options"},
    {"TXUIDelFileItem", "FileName"},
    {"TXUIRenameFileItem", "FileName SourceName Options"},
    {"TXUIExecuteItem", "FileName Parameters WorkingFolder RunMinimized"},
    {"TXUICustomFilesItem", "IncludeSubFolders FolderName Filter"},
    {"TXUICopyFilesItem", "IncludeSubFolders FolderName Filter SourceFolder Options"},
    {"TXUIDelFilesItem", "IncludeSubFolders FolderName Filter"},
    {"TXUIRenameFilesItem", "IncludeSubFolders FolderName Filter SourceFilter Options"},
    {"TXUICustomGroupItem", "FolderID"},
    {"TXUIGroupItem", "FolderID GroupName"},
    {"TXUIDelGroupItem", "FolderID GroupName"},
    {"TXUIIconItem",
     "FolderID IconIndex IsDesktop LinkName Description FileName Parameters WorkingFolder"},
    {"TXUIDelIconItem", "FolderID LinkName"},
    {"TXUICustomXIniItem", "FileName ObjectName ObjectClass ValueName"},
    {"TXUIXIniItem", "FileName ObjectName ObjectClass ValueName Value Options"},
    {"TXUIDelXIniItem", "FileName ObjectName ObjectClass ValueName"},
    {"TXUICustomRegItem", "RootID Options KeyName"},
    {"TXUIRegKeyItem", "RootID Options KeyName"},
    {"TXUIDelRegKeyItem", "RootID Options KeyName"},
    {"TXUICustomRegValItem", "RootID Options KeyName ValueName"},
    {"TXUIRegValItem", "RootID Options KeyName ValueName Value ValueType"},
    {"TXUIDelRegValItem", "RootID Options KeyName ValueName"},
    {"TXUISysParametersItem", "Options Action uiParam"},
    {"TXUISysProfilesItem", "ProfileType SectionName KeyName Value FileName"},
    {"TXUIMessageItem", "WndClass WndTitle MsgName WndMsg Timeout wParam lParam Options Broadcast"},
    {"TXUICustomSearchVersionItem", "FileName FromVersion ToVersion Find Options"},
    {"TXUIFolderSearchVersionItem", "FileName FromVersion ToVersion Find Options"},
    {"TXUIRegSearchVersionItem",
     "FileName FromVersion ToVersion Find Options RootID KeyName ValueName"},
};

std::unique_ptr<TPersistent> Create(const char* name) {
  const TClass* cls = FindObjectClass(name);
  EXPECT_NE(cls, nullptr) << name << " is not registered";
  return cls ? cls->Create() : nullptr;
}

using ScriptTextTest = ScriptFixture;

TEST_F(ScriptTextTest, EveryClassIsRegisteredWithItsPropertiesInOrder) {
  for (const ClassCase& c : kItemClasses) {
    auto object = Create(c.name);
    ASSERT_NE(object, nullptr) << c.name;
    EXPECT_EQ(object->ClassName(), c.name);
    EXPECT_NE(dynamic_cast<TXUICustomItem*>(object.get()), nullptr) << c.name;
    EXPECT_EQ(PropertyNames(object->ClassType()), kCommon + (c.own.empty() ? "" : " ") + c.own)
        << c.name;
  }
  const std::string ui = "LgID Design AppItems optAdminRequired optSilent optRestart";
  EXPECT_EQ(PropertyNames(Create("TXUndo")->ClassType()), ui);
  EXPECT_EQ(PropertyNames(Create("TXInstall")->ClassType()),
            ui + " LgIDs Title UpdateTitle DefaultFolderName DefaultGroupName DefaultFolderExt UIExt"
                 " optShowApps optAppDemo optAppUpdate optAppAddOn optShowCreateDesktopShortcut");
  EXPECT_EQ(PropertyNames(TXUIAppItem::StaticClass()),
            "name LgID optSaveLog optCleanFolders optRequired optShowComponentsTitle AppIdx LogIdx"
            " Title LogTitle Icon Version Mutex MutexTitle WndTitle Folder LaunchOperation Launch"
            " LaunchParams UIExe UILog CleanFolders UIInfo TitleExtension");
  EXPECT_EQ(PropertyNames(TXUIDesignObject::StaticClass()),
            "TopColor1 TopColor2 FontColor ShadowColor TopImage");

  UnregisterScriptClasses();
  EXPECT_EQ(FindObjectClass("TXUIFileItem"), nullptr);
  EXPECT_EQ(FindObjectClass("TXInstall"), nullptr);
  RegisterScriptClasses();
}

TEST_F(ScriptTextTest, TheVirtualConstructorGivesEachClassItsDefaults) {
  struct Case {
    const char* name;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"TXUICustomItem", {"Obj.Section = isNone", "Obj.ErrorOptions = eoIgnore"}},
      {"TXUITextItem", {"Obj.Section = isText"}},
      {"TXUIComponentItem", {"Obj.Section = isComponent", "Obj.Required = False"}},
      {"TXUIFileItem", {"Obj.Section = isNone", "Obj.Options = optfNone", "Obj.Data.Compressed = False"}},
      {"TXUICustomGroupItem", {"Obj.FolderID = 0"}},
      {"TXUIGroupItem", {"Obj.FolderID = 2"}},
      {"TXUIDelGroupItem", {"Obj.FolderID = 2"}},
      {"TXUIIconItem", {"Obj.FolderID = 2", "Obj.IconIndex = 0", "Obj.IsDesktop = False"}},
      {"TXUIDelIconItem", {"Obj.FolderID = 2"}},
      {"TXUICustomRegItem", {"Obj.RootID = 0", "Obj.Options = optrNone"}},
      {"TXUIRegKeyItem", {"Obj.RootID = 2147483649"}},
      {"TXUIDelRegKeyItem", {"Obj.RootID = 2147483649"}},
      {"TXUIRegValItem", {"Obj.RootID = 2147483649", "Obj.ValueType = optrBoolean"}},
      {"TXUIDelRegValItem", {"Obj.RootID = 2147483649"}},
      {"TXUIXIniItem", {"Obj.Options = optxNone"}},
      {"TXUISysParametersItem", {"Obj.Options = optsNone", "Obj.Action = 0"}},
      {"TXUISysProfilesItem", {"Obj.ProfileType = optProfileString"}},
      {"TXUIMessageItem", {"Obj.Options = optmPost", "Obj.Broadcast = False"}},
      {"TXUICustomSearchVersionItem", {"Obj.Section = isNone", "Obj.Find = optfOld", "Obj.Options = optcVersion"}},
      {"TXUIFolderSearchVersionItem", {"Obj.Section = isSearch"}},
      {"TXUIRegSearchVersionItem", {"Obj.Section = isSearch", "Obj.RootID = 2147483649"}},
  };
  for (const Case& c : cases) {
    auto object = Create(c.name);
    ASSERT_NE(object, nullptr);
    std::string text = TextOf(*object);
    EXPECT_NE(text.find("  Obj.Condition = [cdAlways]\r\n"), std::string::npos) << text;
    for (const std::string& line : c.lines)
      EXPECT_NE(text.find("  " + line + "\r\n"), std::string::npos) << c.name << ": " << line << "\n" << text;
  }
  TXUIAppItem app;
  EXPECT_EQ(app.LaunchOperation, "open");
  TXInstall script;
  EXPECT_TRUE(script.optShowCreateDesktopShortcut);
  EXPECT_EQ(script.LgIDs.DefaultLgID(), 9);
}

TEST_F(ScriptTextTest, AnItemWithEmptyStringsWritesNoStringLines) {
  TXUIDelFileItem item;
  EXPECT_EQ(TextOf(item), Lines({
                              "object TXObjectComponent",
                              "  ObjClassName = 'TXUIDelFileItem'",
                              "  Obj.LogIdx = 0",
                              "  Obj.ErrorOptions = eoIgnore",
                              "  Obj.Section = isNone",
                              "  Obj.Component = 0",
                              "  Obj.IsUndo = False",
                              "  Obj.SaveUndo = False",
                              "  Obj.Condition = [cdAlways]",
                              "end",
                          }));
  item.SetLgID(7);
  item.LogIdx = 1;
  item.ErrorOptions = eoAbort;
  item.Section = isTemp;
  item.Component = 255;
  item.IsUndo = true;
  item.Condition.reset().set(cdDemo).set(cdSingleUser);
  item.FileName = "<tmp>\\x.dll";
  EXPECT_EQ(TextOf(item), Lines({
                              "object TXObjectComponent",
                              "  ObjClassName = 'TXUIDelFileItem'",
                              "  Obj.LgID = 7",
                              "  Obj.LogIdx = 1",
                              "  Obj.ErrorOptions = eoAbort",
                              "  Obj.Section = isTemp",
                              "  Obj.Component = 255",
                              "  Obj.IsUndo = True",
                              "  Obj.SaveUndo = False",
                              "  Obj.Condition = [cdDemo, cdSingleUser]",
                              "  Obj.FileName = '<tmp>\\x.dll'",
                              "end",
                          }));
  item.Condition.reset();
  EXPECT_NE(TextOf(item).find("  Obj.Condition = []\r\n"), std::string::npos);
}

// Gives every published property of object a value other than its default.
void FillEveryProperty(TPersistent& object) {
  int k = 0;
  for (const TPropInfo* p : object.ClassType().Properties()) {
    ++k;
    switch (p->Kind) {
      case TPropKind::Integer:
        p->Set(object, p->Min < 0 ? int64_t{-100 - k} : std::min<int64_t>(p->Max, 100 + k));
        break;
      case TPropKind::Boolean:
      case TPropKind::Enum:
      case TPropKind::Set:
        p->Set(object, p->Max);
        break;
      case TPropKind::Color:
        p->Set(object, int64_t{clRed});
        break;
      case TPropKind::String:
        p->Set(object, p->Name + " 'value'\r\nline two");
        break;
      case TPropKind::Object: {
        TPersistent* sub = std::get<TPersistent*>(p->Get(object));
        if (auto* data = dynamic_cast<TXStreamObject*>(sub)) {
          TMemoryStream bytes(std::vector<uint8_t>{1, 2, 3, 250});
          data->ReadFrom(bytes);
          data->DataClass = ".exe";
          data->FileName = "app.exe";
          data->Version = "1.2.3.4";
          data->TimeStamp = 41575.5;
          data->Size = 4;
        }
        break;
      }
      default:
        ADD_FAILURE() << p->Name << " has a kind the script classes do not use";
    }
  }
}

TEST_F(ScriptTextTest, EveryItemClassSurvivesObjectTextAndCopying) {
  for (const ClassCase& c : kItemClasses) {
    auto item = Create(c.name);
    ASSERT_NE(item, nullptr);
    FillEveryProperty(*item);
    std::string text = TextOf(*item);
    for (const TPropInfo* p : item->ClassType().Properties()) {
      if (p->Kind == TPropKind::Object) continue;
      EXPECT_NE(text.find("  Obj." + p->Name + " = "), std::string::npos) << c.name << "." << p->Name;
    }

    std::unique_ptr<TPersistent> read = ObjectOf(text);
    ASSERT_NE(read, nullptr) << text;
    EXPECT_EQ(read->ClassName(), c.name);
    EXPECT_EQ(TextOf(*read), text) << c.name;

    auto copy = Create(c.name);
    copy->Assign(*item);
    EXPECT_EQ(TextOf(*copy), text) << c.name;
  }
}

TEST_F(ScriptTextTest, CopyingBetweenItemClassesCopiesWhatTheyShare) {
  TXUIFileItem file;
  file.FileName = "<install>\\a.exe";
  file.Options = optfIfNewer;
  file.Section = isFile;
  file.SetLgID(7);
  TXUIDelFileItem del;
  del.Assign(file);
  EXPECT_EQ(del.FileName, "<install>\\a.exe");
  EXPECT_EQ(del.Section, isFile);
  EXPECT_EQ(del.LgID(), 7);

  TXUIFolderItem folder;
  folder.FolderName = "kept";
  folder.Assign(file);  // only the common fields are shared
  EXPECT_EQ(folder.FolderName, "kept");
  EXPECT_EQ(folder.Section, isFile);

  TXUITextFileItem text_file;
  text_file.Text = "unpublished";
  TXUITextFileItem text_copy;
  text_copy.Assign(text_file);
  EXPECT_EQ(text_copy.Text, "unpublished");
}

TEST_F(ScriptTextTest, TheFileItemPassesItsStoreFlagToItsData) {
  TXUIFileItem item;
  TMemoryStream bytes(std::vector<uint8_t>{9, 8, 7});
  item.Data.ReadFrom(bytes);
  EXPECT_NE(TextOf(item).find("Obj.Data.Data = {090807}"), std::string::npos);
  item.SetStoreData(false);
  EXPECT_FALSE(item.Data.StoreData());
  EXPECT_EQ(TextOf(item).find("Obj.Data.Data"), std::string::npos);
}

std::unique_ptr<TXInstall> FullScript() {
  auto script = std::make_unique<TXInstall>();
  script->Title = "Sample 1.0";
  script->DefaultFolderName = "<wpf>\\Vendor\\Sample";
  script->DefaultGroupName = "Sample";
  script->UIExt = "Uninstall";
  script->optShowApps = true;
  script->LgIDs.Add("9");
  script->LgIDs.Add("7");
  script->LgIDs.SetDefaultLgID(7);
  script->Design.TopColor1 = static_cast<TColor>(10705961);
  script->Design.TopColor2 = clWhite;
  script->Design.FontColor = clBlack;
  script->Design.ShadowColor = clBlack;
  TXImageObject& image = script->Design.TopImage;
  TMemoryStream bytes(std::vector<uint8_t>{0x42, 0x4D, 0, 1});
  image.ReadFrom(bytes);
  image.DataClass = "TBitmap";
  image.Width = 473;
  image.Height = 60;
  auto* app = static_cast<TXUIAppItem*>(script->AppItems.Add());
  app->optSaveLog = true;
  app->Title = "Sample";
  app->UILog = "<ui>\\sample.xui";
  app->CleanFolders.Add("<install>\\cache");
  app->CleanFolders.Add("<appdata>\\Sample");
  auto* info = static_cast<TXStringItem*>(app->UIInfo.Add());
  info->Name = "Publisher";
  info->S = "Vendor";
  return script;
}

TEST_F(ScriptTextTest, AFullScriptHasItsExactTextAndReadsBackEqual) {
  auto script = FullScript();
  std::string text = TextOf(*script);
  EXPECT_EQ(text, Lines({
                      "object TXObjectComponent",
                      "  ObjClassName = 'TXInstall'",
                      "  Obj.Design.TopColor1 = 10705961",
                      "  Obj.Design.TopColor2 = clWhite",
                      "  Obj.Design.FontColor = clBlack",
                      "  Obj.Design.ShadowColor = clBlack",
                      "  Obj.Design.TopImage.Compressed = False",
                      "  Obj.Design.TopImage.DataClass = 'TBitmap'",
                      "  Obj.Design.TopImage.Width = 473",
                      "  Obj.Design.TopImage.Height = 60",
                      "  Obj.Design.TopImage.Data = {424D0001}",
                      "  Obj.AppItems = <",
                      "    item",
                      "      optSaveLog = True",
                      "      optCleanFolders = False",
                      "      optRequired = False",
                      "      optShowComponentsTitle = False",
                      "      AppIdx = 0",
                      "      LogIdx = 0",
                      "      Title = 'Sample'",
                      "      LaunchOperation = 'open'",
                      "      UILog = '<ui>\\sample.xui'",
                      "      CleanFolders.Strings = (",
                      "        '<install>\\cache'",
                      "        '<appdata>\\Sample')",
                      "      UIInfo = <",
                      "        item",
                      "          name = 'Publisher'",
                      "          s = 'Vendor'",
                      "        end>",
                      "      TitleExtension = <>",
                      "    end>",
                      "  Obj.optAdminRequired = False",
                      "  Obj.optSilent = False",
                      "  Obj.optRestart = False",
                      "  Obj.LgIDs.DefaultLgID = 7",
                      "  Obj.LgIDs.Strings = (",
                      "    '9'",
                      "    '7')",
                      "  Obj.Title = 'Sample 1.0'",
                      "  Obj.DefaultFolderName = '<wpf>\\Vendor\\Sample'",
                      "  Obj.DefaultGroupName = 'Sample'",
                      "  Obj.UIExt = 'Uninstall'",
                      "  Obj.optShowApps = True",
                      "  Obj.optAppDemo = False",
                      "  Obj.optAppUpdate = False",
                      "  Obj.optAppAddOn = False",
                      "  Obj.optShowCreateDesktopShortcut = True",
                      "end",
                  }));

  std::unique_ptr<TPersistent> read = ObjectOf(text);
  auto* copy = dynamic_cast<TXInstall*>(read.get());
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(TextOf(*copy), text);
  EXPECT_EQ(copy->LgIDs.DefaultLgID(), 7);
  EXPECT_EQ(copy->LgIDs.Items(), (std::vector<std::string>{"9", "7"}));
  EXPECT_EQ(copy->Design.ShadowColor, clBlack);
  EXPECT_EQ(copy->Design.TopImage.DataStream().Bytes(), (std::vector<uint8_t>{0x42, 0x4D, 0, 1}));
  ASSERT_EQ(copy->AppItems.Count(), 1);
  EXPECT_EQ(copy->AppItems.GetItem(0)->CleanFolders.Items(), script->AppItems.GetItem(0)->CleanFolders.Items());
  EXPECT_EQ(copy->AppItems.GetItem(0)->UIInfo.GetItem(0)->S, "Vendor");
}

TEST_F(ScriptTextTest, AnUndoLogReadsBackAsAnUndoLog) {
  TXUndo log;
  log.SetLgID(7);
  log.optAdminRequired = true;
  log.AppItems.First()->UIExe = "C:\\App\\uninst.exe";
  std::string text = TextOf(log);
  std::unique_ptr<TPersistent> read = ObjectOf(text);
  ASSERT_NE(dynamic_cast<TXUndo*>(read.get()), nullptr) << text;
  EXPECT_EQ(TextOf(*read), text);
  EXPECT_EQ(log.AppItems.First(), log.AppItems.GetItem(0)) << "First creates only once";
  EXPECT_EQ(log.AppItems.Count(), 1);
}

}  // namespace
}  // namespace xs
