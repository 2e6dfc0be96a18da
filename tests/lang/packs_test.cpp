// The shipped words files against the program's keys.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "base/string_list.h"
#include "lang/builtin_words.h"
#include "lang/keys.h"
#include "lang/language.h"
#include "lang/words_text.h"

namespace xs {

std::string_view GermanWordsFile();  // embedded by tests/lang/CMakeLists.txt
std::string_view FrenchWordsFile();

namespace {

struct Pack {
  const char* name;
  std::string_view file;
  int lang_id;
};

std::vector<Pack> Packs() {
  return {{"en", BuiltInWordsFile(), 9}, {"de", GermanWordsFile(), 7}, {"fr", FrenchWordsFile(), 12}};
}

// key -> text of a plain words file, without the LangID and LangName lines.
std::map<std::string, std::string> Texts(std::string_view file) {
  TStringList lines;
  lines.SetText(std::string(file));
  std::map<std::string, std::string> texts;
  for (const std::string& line : lines.Items()) {
    size_t eq = line.find('=');
    if (eq == std::string::npos || line.rfind("LangID=", 0) == 0 || line.rfind("LangName=", 0) == 0) continue;
    texts[line.substr(0, eq)] = line.substr(eq + 1);
  }
  return texts;
}

// The conversions of a format template in order, e.g. "ss"; "?" marks a
// "%" followed by anything but s, d or another "%".
std::string Placeholders(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') continue;
    char next = i + 1 < text.size() ? text[++i] : '\0';
    if (next != '%') out += (next == 's' || next == 'd') ? next : '?';
  }
  return out;
}

// A complete UTF-8 multi-byte sequence: a file saved as UTF-8 by mistake.
bool HoldsUtf8Sequence(std::string_view s) {
  auto cont = [&](size_t i) { return i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80; };
  for (size_t i = 0; i < s.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    size_t n = c >= 0xC2 && c <= 0xDF ? 1 : c >= 0xE0 && c <= 0xEF ? 2 : c >= 0xF0 && c <= 0xF4 ? 3 : 0;
    bool all = n > 0;
    for (size_t k = 1; k <= n; ++k) all = all && cont(i + k);
    if (all) return true;
  }
  return false;
}

TEST(KeysTest, KeysAreDistinct) {
  std::set<std::string> keys(std::begin(kLgAllKeys), std::end(kLgAllKeys));
  EXPECT_EQ(keys.size(), kLgKeyCount);
}

TEST(PacksTest, EveryPackIsSoundCompleteAndHasNoUnknownKey) {
  const std::set<std::string> known(std::begin(kLgAllKeys), std::end(kLgAllKeys));
  for (const Pack& pack : Packs()) {
    SCOPED_TRACE(pack.name);
    std::string error;
    EXPECT_TRUE(CheckWordsFile(pack.file, error)) << error;
    EXPECT_FALSE(HoldsUtf8Sequence(pack.file)) << "words files are stored in Windows-1252";
    auto texts = Texts(pack.file);
    for (const char* key : kLgAllKeys) {
      auto it = texts.find(key);
      EXPECT_TRUE(it != texts.end() && !it->second.empty()) << "missing or empty: " << key;
    }
    for (const auto& [key, text] : texts) EXPECT_TRUE(known.count(key)) << "unknown key: " << key;
  }
}

TEST(PacksTest, TemplatesKeepTheEnglishPlaceholders) {
  auto english = Texts(BuiltInWordsFile());
  for (const Pack& pack : Packs()) {
    SCOPED_TRACE(pack.name);
    auto texts = Texts(pack.file);
    for (const char* key : kLgAllKeys) {
      std::string expected = Placeholders(english[key]);
      EXPECT_EQ(expected.find('?'), std::string::npos) << key;
      EXPECT_EQ(Placeholders(texts[key]), expected) << key;
    }
  }
}

TEST(PacksTest, EveryPackLoadsIntoALanguageTableWithItsTexts) {
  for (const Pack& pack : Packs()) {
    SCOPED_TRACE(pack.name);
    TXLg lg;
    std::string words = EncodeWordsText(pack.file);
    TMemoryStream stream(std::vector<uint8_t>(words.begin(), words.end()));
    lg.LoadWords(stream, true);
    EXPECT_EQ(lg.ActiveLangID(), pack.lang_id);
    for (const auto& [key, text] : Texts(pack.file)) {
      std::string expected = text;
      for (size_t at; (at = expected.find("#13#10")) != std::string::npos;) expected.replace(at, 6, "\r\n");
      EXPECT_EQ(lg.Translate(key), expected) << key;
    }
  }
}

TEST(PacksTest, BuiltInPackIsTheEncodedEnglishFileWithTheSystemsButtonTexts) {
  EXPECT_EQ(BuiltInWordsText(), EncodeWordsText(BuiltInWordsFile()));
  TXLg lg;
  TMemoryStream stream(std::vector<uint8_t>(BuiltInWordsText().begin(), BuiltInWordsText().end()));
  lg.LoadWords(stream, true);
  std::pair<const char*, const char*> texts[] = {
      {kLgOkButton, "OK"},          {kLgCancelButton, "Cancel"},        {kLgYesButton, "Yes"},
      {kLgNoButton, "No"},          {kLgInstallButton, "Install"},      {kLgNoThanksButton, "No thanks"},
      {kLgResumeButton, "Resume"},  {kLgExitSetupButton, "Exit Setup"}, {kLgRenameButton, "Rename"},
      {kLgOverwriteButton, "Overwrite"}, {kLgDemoButton, "Run in DEMO Mode"},
  };
  for (const auto& [key, text] : texts) EXPECT_EQ(lg.Translate(key), text) << key;
}

}  // namespace
}  // namespace xs
