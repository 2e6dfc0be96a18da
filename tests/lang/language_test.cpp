#include "lang/language.h"

#include <gtest/gtest.h>

#include "lang/digit_pairs.h"
#include "lang/language_events.h"

namespace xs {
namespace {

void Load(TXLg& lg, const std::string& text) {
  TMemoryStream stream(std::vector<uint8_t>(text.begin(), text.end()));
  lg.LoadWords(stream, true);
}

std::string Line(const std::string& key, const std::string& text) { return key + "=" + EncodeDigitPairs(text) + "\r\n"; }

TEST(LanguageTest, TranslateDecodesTheValueOfTheKey) {
  TXLg lg;
  Load(lg, "LangID=$0009\r\n" + Line("ycnextbutton", "Next") + Line("ytwelcometxt", "One#13#10Two #13#10#13#10"));
  EXPECT_EQ(lg.Translate("ycnextbutton"), "Next");
  EXPECT_EQ(lg.Translate("YCNextButton"), "Next");
  EXPECT_EQ(lg.Translate("ytwelcometxt"), "One\r\nTwo \r\n\r\n");
  EXPECT_EQ(lg.Translate("ycbackbutton"), "");
  EXPECT_EQ(lg.Translate(""), "");
}

TEST(LanguageTest, LookupFindsExactlyTheNamedLine) {
  TXLg lg;
  // "-" sorts before "=", "c" after it: the neighbours of "ycab=" on both sides.
  Load(lg, "ycab-x=1U\nycab=1T\nycabc=1V\njunk\nycempty=\nycodd=1T1\n");
  EXPECT_EQ(lg.Translate("ycab"), "A");
  EXPECT_EQ(lg.Translate("ycabc"), "B");
  EXPECT_EQ(lg.Translate("ycab-x"), "C");
  EXPECT_EQ(lg.Translate("yca"), "");
  EXPECT_EQ(lg.Translate("junk"), "");
  EXPECT_EQ(lg.Translate("ycab=1T"), "") << "a key never holds \"=\"";
  EXPECT_EQ(lg.Translate("ycempty"), "");
  EXPECT_EQ(lg.Translate("ycodd"), "A");
}

TEST(LanguageTest, ActiveLangIDReadsThePlainLangIDLine) {
  struct Case {
    std::string words;
    int id;
  } cases[] = {
      {"LangID=$0009", 9}, {"LangID=12", 12},  {"langid=7\r\n", 7}, {"", -1},
      {"LangID=", -1},     {"LangID=1T", -1},  {"LangID=12 ", -1},  {"LangName=English\r\nycnextbutton=1T", -1},
  };
  for (const auto& c : cases) {
    TXLg lg;
    Load(lg, c.words);
    EXPECT_EQ(lg.ActiveLangID(), c.id) << c.words;
  }
}

TEST(LanguageTest, RepeatedKeyResolvesToTheLineThatSortsFirst) {
  TXLg lg;
  Load(lg, "ycdupkeyaaaa=1U\r\nYCDUPKEYAAAA=1T\r\nycdupkeyaaaa=1u\r\n");
  EXPECT_EQ(lg.Words().Lines().Count(), 2) << "a line equal to another but for case is not added";
  EXPECT_EQ(lg.Translate("ycdupkeyaaaa"), "A");
}

TEST(LanguageTest, LoadWordsMergesAndRewindsOnlyWhenAsked) {
  TXLg lg;
  std::string text = Line("ycnextbutton", "Next") + Line("ycbackbutton", "Back");
  TMemoryStream stream(std::vector<uint8_t>(text.begin(), text.end()));
  stream.SetPosition(static_cast<int64_t>(Line("ycnextbutton", "Next").size()));
  lg.LoadWords(stream, false);
  EXPECT_EQ(lg.Translate("ycnextbutton"), "");
  EXPECT_EQ(lg.Translate("ycbackbutton"), "Back");
  lg.LoadWords(stream, true);
  EXPECT_EQ(lg.Translate("ycnextbutton"), "Next");
  EXPECT_EQ(lg.Words().Lines().Count(), 2);
  lg.Clear();
  EXPECT_EQ(lg.Words().Lines().Count(), 0);
}

// Gives some bytes, then fails the way a damaged device does.
class FailingStream : public TMemoryStream {
 public:
  using TMemoryStream::TMemoryStream;
  int64_t Read(void* buffer, int64_t count) override {
    if (Position() > 0) throw EStreamError("read failed");
    return TMemoryStream::Read(buffer, count < 4 ? count : 4);
  }
};

int g_notified = 0;
void CountNotification(TComponent*) { ++g_notified; }

class ActiveLanguageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ActiveLg().Clear();
    AddLanguageListener(CountNotification, nullptr);
    g_notified = 0;
  }
  void TearDown() override {
    RemoveLanguageListener(CountNotification, nullptr);
    ActiveLg().Clear();
    ActiveLg().NotifyOnLoad = true;
  }
};

TEST_F(ActiveLanguageTest, UnreadableStreamLeavesTheWordsButStillNotifies) {
  Load(ActiveLg(), Line("ycnextbutton", "Next"));
  ASSERT_EQ(g_notified, 1);
  std::string text = Line("ycbackbutton", "Back");
  FailingStream stream(std::vector<uint8_t>(text.begin(), text.end()));
  ActiveLg().LoadWords(stream, true);
  EXPECT_EQ(g_notified, 2);
  EXPECT_EQ(ActiveLg().Words().Lines().Count(), 1) << "no partial line may be added";
  EXPECT_EQ(ActiveLg().Translate("ycnextbutton"), "Next");
}

TEST_F(ActiveLanguageTest, OnlyTheActiveTableNotifiesAndOnlyWhenAsked) {
  TXLg other;
  Load(other, Line("ycnextbutton", "Next"));
  EXPECT_EQ(g_notified, 0);
  ActiveLg().NotifyOnLoad = false;
  Load(ActiveLg(), Line("ycnextbutton", "Next"));
  EXPECT_EQ(g_notified, 0);
  other.NotifyOnLoad = true;
  ActiveLg().Assign(other);
  EXPECT_EQ(g_notified, 1);
  EXPECT_TRUE(ActiveLg().NotifyOnLoad);
  EXPECT_EQ(ActiveLg().Translate("ycnextbutton"), "Next");
  other.Assign(ActiveLg());
  EXPECT_EQ(g_notified, 1);
}

}  // namespace
}  // namespace xs
