// Program groups and shortcuts in the shell's special folders, with the
// links read back through the shell.
#include "script/shell_items.h"

#include <vector>

#include "base/convert.h"
#include "platform/file_stream.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "platform/shell_folders.h"
#include "platform/shell_link.h"
#include "script/file_items.h"
#include "script_fixture.h"
#ifndef _WIN32
#include "platform/emulation.h"
#include "platform/shell_notify.h"
#endif

namespace xs {
namespace {

// Groups and links go into the real start menu on Windows: each test uses
// a group of its own there and removes it afterwards.
class ShellItems : public ScriptMachineTest {
 protected:
  void SetUp() override {
    ScriptMachineTest::SetUp();
    group_ = UniqueName("XSetup Test Group");
    programs_ = SpecialFolderPath(csidlPrograms, true) + kPathDelim;
    target_ = Scratch("Notes.exe");
    ASSERT_TRUE(WriteTextFile(target_, "MZ"));
  }
  void TearDown() override {
    RemoveTree(programs_ + group_);
    ScriptMachineTest::TearDown();
  }
  // A shortcut item for a link in this test's group.
  std::unique_ptr<TXUIIconItem> Icon(const std::string& link_name) {
    auto item = std::make_unique<TXUIIconItem>();
    item->LinkName = group_ + kPathDelim + link_name;
    item->FileName = target_;
    return item;
  }
  bool MakeGroup() {
    TXUIGroupItem group;
    group.GroupName = group_;
    std::unique_ptr<TXUICustomItem> undo;
    return group.Execute(undo);
  }

  std::string group_, programs_, target_;
};

TEST_F(ShellItems, GroupFolderIsMadeAndRecorded) {
  TXUIGroupItem group;
  group.GroupName = group_ + kPathDelim + "Tools";
  group.SaveUndo = true;
  group.Section = isGroup;
  group.SetLgID(7);
  group.Component = 2;
  EXPECT_EQ(group.GetDisplayText(), group.GroupName);
  std::unique_ptr<TXUICustomItem> undo;
  ASSERT_TRUE(group.Execute(undo));
  std::string folder = programs_ + group_ + kPathDelim + "Tools";
  EXPECT_TRUE(FolderExists(folder));
  EXPECT_EQ(group.GroupFolder(), folder);

  auto* record = dynamic_cast<TXUIDelFolderItem*>(undo.get());
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->FolderName, folder);
  EXPECT_EQ(record->ErrorOptions, eoIgnore);
  EXPECT_EQ(record->Section, isGroup);
  EXPECT_EQ(record->LgID(), 7);
  EXPECT_EQ(record->Component, 2);
  EXPECT_TRUE(record->IsUndo);
  EXPECT_EQ(record->Condition, TXUIConditions().set(cdAlways));

  // Existing already: still a success, and no record without SaveUndo.
  group.SaveUndo = false;
  std::unique_ptr<TXUICustomItem> none;
  EXPECT_TRUE(group.Execute(none));
  EXPECT_FALSE(none);
}

TEST_F(ShellItems, GroupFailuresRecordTheFolder) {
  // A file where the group's folder should be.
  ASSERT_TRUE(MakeGroup());
  ASSERT_TRUE(WriteTextFile(programs_ + group_ + kPathDelim + "Blocked", "x"));
  TXUIGroupItem group;
  group.GroupName = group_ + kPathDelim + "Blocked" + kPathDelim + "Sub";
  group.SaveUndo = true;
  std::unique_ptr<TXUICustomItem> undo;
  EXPECT_FALSE(group.Execute(undo));
  EXPECT_FALSE(undo);
  EXPECT_EQ(XError().GetCode(), errCreateFolder);
  EXPECT_EQ(XError().GetText(), group.GroupFolder());

  // A special folder the system does not know gives no relative folder.
  TXUIGroupItem unknown;
  unknown.FolderID = 0x7777;
  unknown.GroupName = group_;
  EXPECT_FALSE(unknown.Execute(undo));
  EXPECT_EQ(XError().GetCode(), errCreateFolder);
  EXPECT_EQ(XError().GetText(), group_);
  EXPECT_FALSE(FolderExists(group_));
}

TEST_F(ShellItems, GroupDeletionRemovesOnlyAnEmptyFolder) {
  TXUIDelGroupItem del;
  del.GroupName = group_;
  std::unique_ptr<TXUICustomItem> undo;
  EXPECT_TRUE(del.Execute(undo));  // absent
  ASSERT_TRUE(MakeGroup());
  ASSERT_TRUE(WriteTextFile(programs_ + group_ + kPathDelim + "keep.txt", "x"));
  EXPECT_FALSE(del.Execute(undo));
  EXPECT_EQ(XError().GetCode(), 0);
  EXPECT_TRUE(FolderExists(programs_ + group_));
  ASSERT_TRUE(RemoveFile(programs_ + group_ + kPathDelim + "keep.txt"));
  EXPECT_TRUE(del.Execute(undo));
  EXPECT_FALSE(FolderExists(programs_ + group_));
  EXPECT_FALSE(undo);
}

TEST_F(ShellItems, ShortcutIsWrittenAndResolves) {
  ASSERT_TRUE(MakeGroup());
  auto item = Icon("Notes.lnk");
  item->Parameters = "/open \"a file.txt\"";
  item->WorkingFolder = Scratch().substr(0, Scratch().size() - 1);
  item->Description = "Take notes";
  item->SaveUndo = true;
  item->Section = isIcon;
  EXPECT_EQ(item->GetDisplayText(), item->LinkName);
  std::unique_ptr<TXUICustomItem> undo;
  ASSERT_TRUE(item->Execute(undo)) << XError().GetText();
  std::string link = programs_ + item->LinkName;

  std::optional<TShellLink> back = ReadShellLink(link);
  ASSERT_TRUE(back);
  EXPECT_TRUE(SameText(back->Target, target_)) << back->Target;
  EXPECT_EQ(back->Arguments, item->Parameters);
  EXPECT_EQ(back->WorkingFolder, item->WorkingFolder);
  EXPECT_EQ(back->Description, "Take notes");
  EXPECT_EQ(back->IconFile, "");  // IconIndex 0 sets no icon

  auto* record = dynamic_cast<TXUIDelFileItem*>(undo.get());
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->FileName, link);
  EXPECT_EQ(record->Section, isIcon);
  EXPECT_EQ(record->ErrorOptions, eoIgnore);
  EXPECT_TRUE(record->IsUndo);

#ifndef _WIN32
  std::vector<TShellChange> told = RecordedShellChanges();
  ASSERT_GE(told.size(), 2u);
  EXPECT_EQ(told[told.size() - 2].Event, shcneCreate);
  EXPECT_EQ(told[told.size() - 2].Path1, link);
  EXPECT_EQ(told.back().Event, shcneUpdateDir);
  EXPECT_EQ(told.back().Flags, shcnfPath | shcnfFlush);
  EXPECT_EQ(told.back().Path1, programs_ + group_);
#endif

  TXUIDelIconItem del;
  del.LinkName = item->LinkName;
  EXPECT_EQ(del.GetDisplayText(), item->LinkName);
  std::unique_ptr<TXUICustomItem> none;
  EXPECT_TRUE(del.Execute(none));
  EXPECT_FALSE(FileExists(link));
  EXPECT_TRUE(del.Execute(none));  // absent
}

TEST_F(ShellItems, ShortcutIcons) {
  ASSERT_TRUE(MakeGroup());
  auto indexed = Icon("Indexed.lnk");
  indexed->IconIndex = 2;
  std::unique_ptr<TXUICustomItem> undo;
  ASSERT_TRUE(indexed->Execute(undo));
  std::optional<TShellLink> back = ReadShellLink(programs_ + indexed->LinkName);
  ASSERT_TRUE(back);
  EXPECT_TRUE(SameText(back->IconFile, target_)) << back->IconFile;
  EXPECT_EQ(back->IconIndex, 2);

  // -1: the default icon of the target's file class. The class is this
  // test's own and is removed again.
  std::string ext = ".xs" + std::to_string(std::hash<std::string>{}(group_) % 100000);
  std::string class_name = "XSetupTest" + ext.substr(1) + ".Doc";
  std::string class_id = "{0AA1BB22-CC33-DD44-EE55-66778899AABC}";
  std::string icons = Scratch("icons.dll");
  ASSERT_TRUE(WriteTextFile(icons, "MZ"));
  std::string document = Scratch("notes") + ext;
  ASSERT_TRUE(WriteTextFile(document, "text"));
  TXRegistry classes(kHKeyClassesRoot);
  ASSERT_TRUE(classes.OpenKey(ext, true) && classes.WriteString("", class_name));
  ASSERT_TRUE(classes.OpenKey(class_name + "\\CLSID", true) && classes.WriteString("", class_id));
  ASSERT_TRUE(classes.OpenKey("CLSID\\" + class_id + "\\DefaultIcon", true) &&
              classes.WriteString("", icons + ",3"));
  classes.CloseKey();

  auto by_class = Icon("ByClass.lnk");
  by_class->FileName = document;
  by_class->IconIndex = -1;
  ASSERT_TRUE(by_class->Execute(undo));
  back = ReadShellLink(programs_ + by_class->LinkName);
  ASSERT_TRUE(back);
  EXPECT_TRUE(SameText(back->IconFile, icons)) << back->IconFile;
  EXPECT_EQ(back->IconIndex, 3);

  // A class without a default icon, or no class at all: no icon, no failure.
  classes.DeleteKey("CLSID\\" + class_id);
  auto no_icon = Icon("NoIcon.lnk");
  no_icon->FileName = document;
  no_icon->IconIndex = -1;
  ASSERT_TRUE(no_icon->Execute(undo));
  back = ReadShellLink(programs_ + no_icon->LinkName);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->IconFile, "");
  classes.DeleteKey(ext);
  classes.DeleteKey(class_name);
}

TEST_F(ShellItems, DesktopShortcutsFollowTheUsersChoice) {
  // Desktop shortcuts name the desktop's FolderID; this one stays in the
  // test's group, as Wine's desktop is the host user's home folder.
  ASSERT_TRUE(MakeGroup());
  auto item = Icon("Desktop.lnk");
  item->IsDesktop = true;
  item->SaveUndo = true;
  std::string link = programs_ + item->LinkName;

  RunSettings().CreateDesktopShortcut = false;
  std::unique_ptr<TXUICustomItem> undo;
  EXPECT_TRUE(item->Execute(undo));
  EXPECT_FALSE(undo);
  EXPECT_FALSE(FileExists(link));

  RunSettings().CreateDesktopShortcut = true;
  ASSERT_TRUE(item->Execute(undo));
  EXPECT_TRUE(FileExists(link));
  ASSERT_TRUE(undo);
  EXPECT_EQ(static_cast<TXUIDelFileItem&>(*undo).FileName, link);

  // Without IsDesktop the choice does not matter.
  RunSettings().CreateDesktopShortcut = false;
  auto plain = Icon("Plain.lnk");
  ASSERT_TRUE(plain->Execute(undo));
  EXPECT_TRUE(FileExists(programs_ + plain->LinkName));
}

TEST_F(ShellItems, ShortcutFailuresRecordTheLink) {
  auto item = Icon("Missing" + std::string(1, kPathDelim) + "Notes.lnk");  // no such folder
  item->SaveUndo = true;
  std::unique_ptr<TXUICustomItem> undo;
  EXPECT_FALSE(item->Execute(undo));
  EXPECT_FALSE(undo);
  EXPECT_EQ(XError().GetCode(), errWriteFile);
  EXPECT_EQ(XError().GetText(), programs_ + item->LinkName);

  item->FolderID = 0x7777;
  EXPECT_FALSE(item->Execute(undo));
  EXPECT_EQ(XError().GetCode(), errWriteFile);
  EXPECT_EQ(XError().GetText(), item->LinkName);
}

}  // namespace
}  // namespace xs
