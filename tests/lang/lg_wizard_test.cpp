#include "lang/lg_wizard.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/error.h"
#include "lang/builtin_words.h"
#include "lang/data_module.h"
#include "lang/fake_language_box.h"
#include "lang/keys.h"
#include "lang/language.h"
#include "lang/language_events.h"
#include "lang/lg_filer.h"
#include "lang/words_text.h"
#include "package/data_index.h"

namespace xs {

std::string_view GermanWordsFile();
std::string_view FrenchWordsFile();

namespace {

// A pack of this program's application id in memory.
std::unique_ptr<TMemoryStream> Pack(int id, const std::string& name, uint32_t app_id = 111) {
  TXLgProject project;
  project.SetLgID(id);
  project.LgName = name;
  project.AppID = app_id;
  project.AppVer = 400;
  std::string words = "LangID=" + std::to_string(id) + "\r\nLangName=" + name + "\r\n";
  project.Words.WriteBuffer(words.data(), static_cast<int64_t>(words.size()));
  auto stream = std::make_unique<TMemoryStream>();
  EXPECT_TRUE(SaveLgProject(*stream, project)) << XError().GetCode();
  return stream;
}

class FakeMenu : public TXLanguageMenu {
 public:
  std::vector<std::string> items;
  std::vector<std::function<void()>> clicks;
  int checked = -2;
  int fills = 0;
  void ClearItems() override {
    items.clear();
    clicks.clear();
    ++fills;
  }
  void AddRadioItem(const std::string& caption, std::function<void()> on_click) override {
    items.push_back(caption);
    clicks.push_back(std::move(on_click));
  }
  void CheckItem(int index) override { checked = index; }
};

using FakeBox = FakeLanguageBox;

struct LgWizardTest : ::testing::Test {
  TXLgWizard wizard;
  std::vector<std::unique_ptr<TMemoryStream>> streams;
  int saved_preferred = PreferredLgID();

  void SetUp() override {
    RegisterDataIndexClasses();
    wizard.AppID = 111;
    wizard.AppVer = 400;
  }
  void TearDown() override {
    SetPreferredLgID(saved_preferred);
    ActiveLg().Clear();
  }
  bool Add(int id, const std::string& name, uint32_t app_id = 111) {
    streams.push_back(Pack(id, name, app_id));
    return wizard.AddLanguageStream(*streams.back());
  }
  std::vector<std::string> Offered() const {
    std::vector<std::string> names;
    for (int i = 0; i < wizard.OfferedPacks().Count(); ++i) names.push_back(wizard.OfferedPacks().GetItem(i)->LgName);
    return names;
  }
  void Offer(std::vector<std::string> ids) {
    wizard.OfferedIDs.Clear();
    for (auto& id : ids) wizard.OfferedIDs.Add(id);
    wizard.RefreshLanguageList();
  }
};

TEST_F(LgWizardTest, OnlyTheBuiltInPackIsOfferedWhateverTheIDs) {
  ASSERT_TRUE(Add(9, "English"));
  Offer({"7", "12"});
  EXPECT_EQ(Offered(), std::vector<std::string>{"English"});
}

TEST_F(LgWizardTest, OfferedIDsChooseAndThePreferredComesFirst) {
  ASSERT_TRUE(Add(9, "English"));
  ASSERT_TRUE(Add(7, "Deutsch"));
  ASSERT_TRUE(Add(12, "Francais"));
  Offer({"7", "12"});
  EXPECT_EQ(Offered(), (std::vector<std::string>{"Deutsch", "Francais"}));
  SetPreferredLgID(12);
  wizard.RefreshLanguageList();
  EXPECT_EQ(Offered(), (std::vector<std::string>{"Francais", "Deutsch"}));
  Offer({"3", "99"});
  EXPECT_EQ(Offered().size(), 3u) << "ids that match no pack offer every pack";
}

TEST_F(LgWizardTest, TheFirstPackOfALanguageWinsAndOtherApplicationsAreRefused) {
  ASSERT_TRUE(Add(9, "English"));
  EXPECT_FALSE(Add(9, "English again"));
  EXPECT_FALSE(Add(7, "Deutsch", 222));
  EXPECT_NE(XError().GetCode(), 0);
  TMemoryStream junk(std::vector<uint8_t>(64, 'x'));
  EXPECT_FALSE(wizard.AddLanguageStream(junk));
  EXPECT_EQ(wizard.AllPacks().Count(), 1);
  EXPECT_EQ(wizard.AllPacks().GetItem(0)->LgName, "English");
}

TEST_F(LgWizardTest, SelectingLoadsTheWordsAndMarksEveryControlOnce) {
  ASSERT_TRUE(Add(9, "English"));
  ASSERT_TRUE(Add(7, "Deutsch"));
  SetPreferredLgID(9);
  wizard.RefreshLanguageList();
  auto* menu = new FakeMenu;
  auto* box = new FakeBox;
  wizard.AttachControl(menu);
  wizard.AttachControl(box);
  int fills = menu->fills;
  EXPECT_TRUE(wizard.SelectLanguageByID(7));
  EXPECT_EQ(ActiveLg().ActiveLangID(), 7);
  EXPECT_EQ(menu->fills, fills) << "no control is refilled while a language loads";
  EXPECT_EQ(menu->checked, 1);
  EXPECT_EQ(box->index, 1);
  EXPECT_EQ(menu->items, (std::vector<std::string>{"English", "Deutsch"}));

  menu->clicks[0]();  // the user picks English in the menu
  EXPECT_EQ(ActiveLg().ActiveLangID(), 9);
  EXPECT_EQ(box->index, 0);
  box->OnChange(1);
  EXPECT_EQ(ActiveLg().ActiveLangID(), 7);
  delete menu;
  delete box;
}

TEST_F(LgWizardTest, UnknownIDsSelectTheFirstAndBadIndexesNothing) {
  ASSERT_TRUE(Add(9, "English"));
  ASSERT_TRUE(Add(7, "Deutsch"));
  SetPreferredLgID(9);
  wizard.RefreshLanguageList();
  EXPECT_TRUE(wizard.SelectLanguageByID(42));
  EXPECT_EQ(ActiveLg().ActiveLangID(), 9);
  EXPECT_FALSE(wizard.SelectLanguage(5));
  EXPECT_FALSE(wizard.SelectLanguage(-1));
  EXPECT_EQ(ActiveLg().ActiveLangID(), 9);
}

TEST_F(LgWizardTest, APackThatFailsToLoadIsReplacedByTheFirstWithAStream) {
  ASSERT_TRUE(Add(9, "English"));
  ASSERT_TRUE(Add(7, "Deutsch"));
  SetPreferredLgID(9);
  wizard.RefreshLanguageList();
  // The German pack's bytes go bad after it was offered.
  streams[1]->SetSize(40);
  EXPECT_TRUE(wizard.SelectLanguage(1));
  EXPECT_EQ(ActiveLg().ActiveLangID(), 9);
}

TEST_F(LgWizardTest, TheShippedPacksLoadAndSwitchTheLanguage) {
  struct Shipped {
    std::string_view plain;
    int id;
    const char* next;
  } packs[] = {{BuiltInWordsFile(), 9, "Next"}, {GermanWordsFile(), 7, "Weiter"}, {FrenchWordsFile(), 12, "Suivant"}};
  for (const Shipped& p : packs) {
    TXLgProject project;
    project.SetLgID(p.id);
    project.AppID = 111;
    project.AppVer = 400;
    std::string words = EncodeWordsText(p.plain);
    project.Words.WriteBuffer(words.data(), static_cast<int64_t>(words.size()));
    streams.push_back(std::make_unique<TMemoryStream>());
    ASSERT_TRUE(SaveLgProject(*streams.back(), project));
    ASSERT_TRUE(wizard.AddLanguageStream(*streams.back())) << p.id;
  }
  for (const Shipped& p : packs) {
    EXPECT_TRUE(wizard.SelectLanguageByID(p.id));
    EXPECT_EQ(ActiveLg().ActiveLangID(), p.id);
    EXPECT_EQ(ActiveLg().Translate(kLgNextButton).rfind(p.next, 0), 0u) << ActiveLg().Translate(kLgNextButton);
  }
}

}  // namespace
}  // namespace xs

namespace xs {
namespace {

TEST(DataModule, TheBuiltInPackMakesEnglishActive) {
  RegisterDataIndexClasses();
  // The process-wide wizard keeps the pack's stream: the module lives on, as
  // it does in the program.
  static TData& data = *new TData(nullptr);
  EXPECT_FALSE(data.lgStream.Data.IsEmpty());
  StartLanguages(data);
  EXPECT_EQ(ActiveLg().ActiveLangID(), 9);
  EXPECT_EQ(ActiveLg().Translate(kLgNextButton), "Next");
  ASSERT_GE(LgWizard().AllPacks().Count(), 1);
  EXPECT_EQ(LgWizard().AllPacks().GetItem(0)->LgName, "English");
}

// A pack's words text is read no further than any words text could go: a
// crafted pack whose words inflate beyond that fails with errChecksum
// instead of filling memory.
TEST(LgFiler, WordsBeyondTheirBoundFailThePack) {
  RegisterDataIndexClasses();
  for (int64_t size : {int64_t{100000}, kMaxWordsBytes, kMaxWordsBytes + 1}) {
    SCOPED_TRACE(size);
    TXLgProject project;
    project.AppID = 111;
    project.AppVer = 400;
    std::string words(static_cast<size_t>(size), '=');
    project.Words.WriteBuffer(words.data(), size);
    TMemoryStream pack;
    ASSERT_TRUE(SaveLgProject(pack, project));
    TXLgProject read;
    read.AppID = 111;
    read.AppVer = 400;
    bool fits = size <= kMaxWordsBytes;
    EXPECT_EQ(ReadLgProject(pack, read), fits);
    EXPECT_EQ(read.Words.Size(), fits ? size : 0);
    EXPECT_EQ(XError().GetCode(), fits ? errNone : errChecksum);
  }
}

}  // namespace
}  // namespace xs
