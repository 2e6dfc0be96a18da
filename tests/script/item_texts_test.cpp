// Which strings of the file-system and search items are paths (their path
// macros are expanded) and what the progress page shows for each item.
#include <set>
#include <string>
#include <vector>

#include "base/macro_expanders.h"
#include "base/text.h"
#include "platform/file_system.h"
#include "script/file_items.h"
#include "script/search_items.h"
#include "script_fixture.h"

namespace xs {
namespace {

using ItemTextsTest = ScriptFixture;

TEST_F(ItemTextsTest, MacrosAreExpandedInPathsOnly) {
  TXMacroExpanderRegistration expander([](const std::string& text) { return ReplaceAll(text, "<m>", "M:", false); });
  const std::string d(1, kPathDelim);
  const struct {
    const TClass& cls;
    std::set<std::string> expanded;
    std::string display;  // with every string property set to "<m>" and its name
  } cases[] = {
      {TXUIFolderItem::StaticClass(), {"FolderName"}, "M:FolderName"},
      {TXUIDelFolderItem::StaticClass(), {"FolderName"}, "M:FolderName"},
      {TXUIFileItem::StaticClass(), {"FileName"}, "M:FileName"},
      {TXUITextFileItem::StaticClass(), {"FileName"}, "M:FileName"},
      {TXUIDelFileItem::StaticClass(), {"FileName"}, "M:FileName"},
      {TXUICopyFileItem::StaticClass(), {"FileName", "SourceName"}, "M:FileName"},
      {TXUIRenameFileItem::StaticClass(), {"FileName", "SourceName"}, "M:FileName"},
      {TXUIExecuteItem::StaticClass(), {"FileName", "Parameters", "WorkingFolder"}, "M:FileName"},
      {TXUICopyFilesItem::StaticClass(), {"FolderName", "SourceFolder"}, "M:FolderName" + d + "<m>Filter"},
      {TXUIDelFilesItem::StaticClass(), {"FolderName"}, "M:FolderName" + d + "<m>Filter"},
      {TXUIRenameFilesItem::StaticClass(), {"FolderName"}, "M:FolderName" + d + "<m>Filter"},
      {TXUIFolderSearchVersionItem::StaticClass(), {"FileName"}, ""},
      {TXUIRegSearchVersionItem::StaticClass(), {"FileName", "KeyName", "ValueName"}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.cls.Name());
    std::unique_ptr<TPersistent> object = c.cls.Create();
    auto* item = dynamic_cast<TXUICustomItem*>(object.get());
    ASSERT_NE(item, nullptr);
    for (const TPropInfo* p : c.cls.Properties())
      if (p->Kind == TPropKind::String) p->Set(*item, "<m>" + p->Name);
    item->ExpandMacros();
    std::set<std::string> expanded;
    for (const TPropInfo* p : c.cls.Properties()) {
      if (p->Kind != TPropKind::String) continue;
      std::string value = std::get<std::string>(p->Get(*item));
      if (value == "M:" + p->Name) expanded.insert(p->Name);
      else EXPECT_EQ(value, "<m>" + p->Name);
    }
    EXPECT_EQ(expanded, c.expanded);
    EXPECT_EQ(item->GetDisplayText(), c.display);
  }
}

TEST_F(ItemTextsTest, AFilesItemShowsItsFolderAndFilter) {
  TXUIDelFilesItem item;
  item.FolderName = "C:" + std::string(1, kPathDelim) + "App" + std::string(1, kPathDelim);
  item.Filter = "*.dll;*.ocx";
  EXPECT_EQ(item.GetDisplayText(), item.FolderName + "*.dll;*.ocx");
  item.FolderName.clear();
  EXPECT_EQ(item.GetDisplayText(), "*.dll;*.ocx");
}

}  // namespace
}  // namespace xs
