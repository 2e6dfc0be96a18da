// The script's section lists, text lookup, readme and licence texts,
// copying, clearing, and reversing item lists.
#include "script/install.h"

#include <memory>
#include <string>
#include <vector>

#include "package/test_classes.h"
#include "script/file_items.h"
#include "script/registry_items.h"
#include "script/search_items.h"
#include "script/shell_items.h"
#include "script/undo.h"
#include "script_fixture.h"

namespace xs {
namespace {

using testing_classes::TextOf;

TXUITextItem* AddText(TXInstall& script, const std::string& name, int32_t lg_id,
                      const std::string& text) {
  auto item = std::make_unique<TXUITextItem>();
  item->TextName = name;
  item->SetLgID(lg_id);
  item->Text = text;
  return script.AddItem(std::move(item));
}

template <class T>
T* AddOf(TXInstall& script, TXUISection section) {
  auto item = std::make_unique<T>();
  item->Section = section;
  return script.AddItem(std::move(item));
}

std::vector<TXUICustomItem*> ListOf(const TXUIObjectList& list) {
  std::vector<TXUICustomItem*> items;
  for (int i = 0; i < list.Count(); ++i) items.push_back(list.GetItem(i));
  return items;
}

using InstallTest = ScriptFixture;

TEST_F(InstallTest, SplitSectionsSortsByTheSectionInScriptOrder) {
  TXInstall script;
  auto* search = AddOf<TXUIFolderSearchVersionItem>(script, isSearch);
  auto* folder = AddOf<TXUIFolderItem>(script, isFolder);
  auto* text1 = AddText(script, "welcome", 0, "hi");
  auto* upgrade = AddOf<TXUIFileItem>(script, isUpgrade);
  auto* component = AddOf<TXUIComponentItem>(script, isComponent);
  auto* none = AddOf<TXUIRegValItem>(script, isNone);
  auto* text2 = AddText(script, "readme", 0, "r");
  auto* temp = AddOf<TXUIDelFileItem>(script, isTemp);
  auto* search2 = AddOf<TXUIRegSearchVersionItem>(script, isSearch);
  // The section decides, not the class.
  auto* component_as_text = AddOf<TXUIComponentItem>(script, isText);
  script.SplitSections();

  EXPECT_EQ(ListOf(script.SearchItems), (std::vector<TXUICustomItem*>{search, search2}));
  EXPECT_EQ(ListOf(script.UpgradeItems), (std::vector<TXUICustomItem*>{upgrade}));
  EXPECT_EQ(ListOf(script.TextItems), (std::vector<TXUICustomItem*>{text1, text2, component_as_text}));
  EXPECT_EQ(ListOf(script.ComponentItems), (std::vector<TXUICustomItem*>{component}));
  EXPECT_EQ(ListOf(script.InstallItems), (std::vector<TXUICustomItem*>{folder, none, temp}));

  script.SplitSections();  // rebuilding does not duplicate
  EXPECT_EQ(script.InstallItems.Count(), 3);
  EXPECT_EQ(script.FindText(0, "readme"), "r") << "a component item among the texts is passed over";
}

TEST_F(InstallTest, SplitSectionsGivesTextFileItemsTheirTexts) {
  RunSettings().CurrentLgID = 7;
  TXInstall script;
  AddText(script, "notes", 9, "english");
  AddText(script, "notes", 7, "german");
  auto* german = AddOf<TXUITextFileItem>(script, isFile);
  german->TextName = "notes";
  german->SetLgID(7);
  auto* neutral = AddOf<TXUITextFileItem>(script, isFile);
  neutral->TextName = "notes";  // LgID 0: the run's language
  auto* missing = AddOf<TXUITextFileItem>(script, isFile);
  missing->TextName = "absent";
  missing->Text = "stale";
  auto* english = AddOf<TXUITextFileItem>(script, isFile);
  english->TextName = "notes";
  english->SetLgID(9);
  script.SplitSections();
  EXPECT_EQ(german->Text, "german");
  EXPECT_EQ(neutral->Text, "german");
  EXPECT_EQ(missing->Text, "");
  EXPECT_EQ(english->Text, "english");
}

TEST_F(InstallTest, FindTextTakesTheFirstMatchingText) {
  RunSettings().CurrentLgID = 7;
  struct Case {
    const char* what;
    std::vector<std::tuple<std::string, int32_t, std::string>> texts;  // name, LgID, text
    int32_t lg_id;
    std::string name;
    std::string expected;
  };
  const Case cases[] = {
      {"the language-neutral licence listed first wins",
       {{"license", 0, "neutral"}, {"license", 7, "german"}}, 7, "license", "neutral"},
      {"listed after, the language-specific text wins",
       {{"license", 7, "german"}, {"license", 0, "neutral"}}, 7, "license", "german"},
      {"another language is passed over",
       {{"license", 9, "english"}, {"license", 0, "neutral"}}, 7, "license", "neutral"},
      {"lookup with 0 takes the run's language",
       {{"license", 9, "english"}, {"license", 7, "german"}}, 0, "license", "german"},
      {"lookup with 0 also takes neutral texts",
       {{"license", 0, "neutral"}}, 0, "license", "neutral"},
      {"lookup with 0 passes other languages over",
       {{"license", 9, "english"}}, 0, "license", ""},
      {"names are compared with case", {{"License", 7, "x"}}, 7, "license", ""},
      {"a prefix is not the name", {{"license0", 7, "x"}}, 7, "license", ""},
      {"no texts", {}, 7, "license", ""},
  };
  for (const Case& c : cases) {
    TXInstall script;
    for (const auto& [name, lg_id, text] : c.texts) AddText(script, name, lg_id, text);
    script.SplitSections();
    EXPECT_EQ(script.FindText(c.lg_id, c.name), c.expected) << c.what;
  }
}

TEST_F(InstallTest, ReadmeAndLicenseTextsFollowTheChosenApplications) {
  struct Case {
    std::vector<int> selected;
    std::string readme;
    std::string license;
  };
  const Case cases[] = {
      {{0, 2}, "readme for 0 and 2", "license for 0 and 2"},
      {{1}, "readme for 1", "general license"},
      {{0}, "readme for 0", "general license"},
      {{0, 1, 2}, "general readme", "general license"},  // no text for "0_1_2"
      {{}, "general readme", "general license"},
  };
  for (const Case& c : cases) {
    TXInstall script;
    for (int p = 0; p < 3; ++p)
      static_cast<TXUIAppItem*>(script.AppItems.Add())->AppIdx = static_cast<uint8_t>(p);
    AddText(script, "readme", 0, "general readme");
    AddText(script, "readme0_2", 0, "readme for 0 and 2");
    AddText(script, "readme_1", 0, "readme for 1");
    AddText(script, "readme0", 9, "readme for 0");
    AddText(script, "readme0", 7, "german readme for 0");
    AddText(script, "license0_2", 9, "license for 0 and 2");
    AddText(script, "license", 9, "general license");
    script.SplitSections();
    RunSettings().SelectedComponents.reset();
    for (int n : c.selected) RunSettings().SelectedComponents.set(static_cast<size_t>(n));
    EXPECT_EQ(script.GetReadmeText(), c.readme) << c.selected.size();
    EXPECT_EQ(script.GetLicenseText(), c.license) << c.selected.size();
  }
}

TEST_F(InstallTest, TheSuffixUsesAppIdxAndTheSeparatorFollowsThePosition) {
  TXInstall script;
  uint8_t indexes[] = {5, 12};
  for (uint8_t idx : indexes) static_cast<TXUIAppItem*>(script.AppItems.Add())->AppIdx = idx;
  AddText(script, "readme5_12", 0, "both");
  AddText(script, "readme_12", 0, "second");
  script.SplitSections();
  RunSettings().SelectedComponents.reset().set(5).set(12);
  EXPECT_EQ(script.GetReadmeText(), "both");
  RunSettings().SelectedComponents.reset().set(12);
  EXPECT_EQ(script.GetReadmeText(), "second");
}

TEST_F(InstallTest, ReverseKeepsEveryItemAndOwnership) {
  for (int n : {0, 1, 2, 5}) {
    TXUIObjectList list(true);
    std::vector<TXUICustomItem*> items;
    for (int i = 0; i < n; ++i) {
      items.push_back(new TXUIFolderItem());
      list.Add(items.back());
    }
    list.Reverse();
    std::vector<TXUICustomItem*> reversed(items.rbegin(), items.rend());
    EXPECT_EQ(ListOf(list), reversed) << n;
    EXPECT_TRUE(list.OwnsObjects);
  }  // the owning list frees every item once (the sanitizers watch)
}

std::unique_ptr<TXInstall> SampleScript() {
  auto script = std::make_unique<TXInstall>();
  script->Title = "Sample";
  script->DefaultFolderName = "<wpf>\\Vendor\\Sample";
  script->optAppDemo = true;
  script->optShowCreateDesktopShortcut = false;
  script->optRestart = true;
  script->LgIDs.Add("9");
  script->LgIDs.Add("7");
  script->LgIDs.SetDefaultLgID(7);
  script->Design.ShadowColor = clRed;
  auto* app = static_cast<TXUIAppItem*>(script->AppItems.Add());
  app->Title = "Sample App";
  app->CleanFolders.Add("<install>\\cache");
  AddText(*script, "readme", 0, "read me");
  auto* file = AddOf<TXUITextFileItem>(*script, isFile);
  file->TextName = "readme";
  file->FileName = "<install>\\readme.txt";
  AddOf<TXUIFolderSearchVersionItem>(*script, isSearch);
  script->SplitSections();
  return script;
}

TEST_F(InstallTest, CopyingCopiesItemsAndSplitsTheCopy) {
  auto source = SampleScript();
  TXInstall copy;
  AddText(copy, "old", 0, "replaced by the copy");
  copy.SplitSections();
  copy.Assign(*source);

  EXPECT_EQ(TextOf(copy), TextOf(*source));
  ASSERT_EQ(copy.Items.Count(), source->Items.Count()) << "a copy holds the source's items once";
  for (int i = 0; i < copy.Items.Count(); ++i) {
    EXPECT_NE(copy.Items.GetItem(i), source->Items.GetItem(i)) << "items are new objects";
    EXPECT_EQ(copy.Items.GetItem(i)->ClassType().Name(), source->Items.GetItem(i)->ClassType().Name());
    EXPECT_EQ(TextOf(*copy.Items.GetItem(i)), TextOf(*source->Items.GetItem(i)));
  }
  EXPECT_EQ(copy.LgIDs.DefaultLgID(), 7);
  EXPECT_EQ(copy.TextItems.Count(), 1);
  EXPECT_EQ(copy.SearchItems.Count(), 1);
  ASSERT_EQ(copy.InstallItems.Count(), 1);
  EXPECT_EQ(copy.InstallItems.GetItem(0), copy.Items.GetItem(1)) << "the lists reference the copy's items";
  EXPECT_EQ(static_cast<TXUITextFileItem*>(copy.InstallItems.GetItem(0))->Text, "read me");

  copy.Assign(copy);  // copying onto itself changes nothing
  EXPECT_EQ(copy.Items.Count(), 3);
  EXPECT_EQ(copy.InstallItems.Count(), 1);
}

TEST_F(InstallTest, CopyingFromAnUndoLogCopiesTheSharedPartOnly) {
  TXUndo log;
  log.optAdminRequired = true;
  log.AppItems.First()->Title = "Logged";
  log.AddItem(std::make_unique<TXUIDelFileItem>());
  TXInstall script;
  script.Title = "kept";
  script.Assign(log);
  EXPECT_TRUE(script.optAdminRequired);
  EXPECT_EQ(script.AppItems.GetItem(0)->Title, "Logged");
  EXPECT_EQ(script.Title, "kept");
  EXPECT_EQ(script.InstallItems.Count(), 1);
}

TEST_F(InstallTest, ClearRestoresTheDefaultsAndEmptiesTheSectionLists) {
  auto script = SampleScript();
  script->Design.TopImage.DataClass = "TBitmap";
  script->Clear();
  EXPECT_EQ(script->Items.Count(), 0);
  for (const TXUIObjectList* list : {&script->SearchItems, &script->UpgradeItems, &script->TextItems,
                                     &script->ComponentItems, &script->InstallItems})
    EXPECT_EQ(list->Count(), 0);
  EXPECT_EQ(script->AppItems.Count(), 0);
  EXPECT_EQ(script->LgIDs.Count(), 0);
  EXPECT_EQ(script->Title, "");
  EXPECT_EQ(script->DefaultFolderName, "");
  EXPECT_FALSE(script->optAppDemo);
  EXPECT_FALSE(script->optRestart);
  EXPECT_TRUE(script->optShowCreateDesktopShortcut);
  EXPECT_EQ(script->Design.TopImage.DataClass, "");
  EXPECT_EQ(script->Design.ShadowColor, clRed) << "Clear leaves the colours";
}

}  // namespace
}  // namespace xs
