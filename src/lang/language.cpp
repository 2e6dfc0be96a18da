#include "lang/language.h"

#include "base/convert.h"
#include "base/string_list.h"
#include "lang/digit_pairs.h"
#include "lang/language_events.h"

namespace xs {
namespace {

constexpr std::string_view kLineBreakMark = "#13#10";

std::string ReplaceLineBreakMarks(std::string text) {
  for (size_t at = text.find(kLineBreakMark); at != std::string::npos;
       at = text.find(kLineBreakMark, at + 2))
    text.replace(at, kLineBreakMark.size(), "\r\n");
  return text;
}

int& PreferredLgIDStorage() {
  static int id = 9;
  return id;
}

}  // namespace

std::string TXLg::Translate(std::string_view key) const {
  int index = words_.IndexOfName(key);
  if (index < 0) return std::string();
  return ReplaceLineBreakMarks(DecodeDigitPairs(words_.ValueFromIndex(index)));
}

int TXLg::ActiveLangID() const {
  int index = words_.IndexOfName("LangID");
  if (index < 0) return -1;
  return StrToIntDef(words_.ValueFromIndex(index), -1);
}

void TXLg::Clear() {
  words_.Clear();
  items_.Clear();
}

int TXLg::AddItem(const std::string& name, const TXStreamObject& data) {
  TXB* item = static_cast<TXB*>(items_.Add());
  item->Name = name;
  try {
    item->Data.Assign(data);
    return item->Index();
  } catch (const std::exception&) {
    items_.Delete(item->Index());
    return -1;
  }
}

void TXLg::LoadWords(TStream& stream, bool rewind) {
  std::string text;
  bool read = true;
  try {
    if (rewind && stream.Seek(0, SeekOrigin::Begin) != 0) read = false;
    char buffer[4096];
    for (int64_t n; read && (n = stream.Read(buffer, sizeof buffer)) > 0;)
      text.append(buffer, static_cast<size_t>(n));
  } catch (const std::exception&) {
    read = false;
  }
  if (read) {
    TStringList lines;
    lines.SetText(text);
    for (const std::string& line : lines.Items()) words_.Add(line);
  }
  if (NotifyOnLoad && IsActive()) NotifyLanguageChanged();
}

void TXLg::Assign(const TXLg& source) {
  words_.Assign(source.words_);
  items_.Assign(source.items_);
  NotifyOnLoad = source.NotifyOnLoad;
  if (IsActive()) NotifyLanguageChanged();
}

bool TXLg::IsActive() const { return this == &ActiveLg(); }

TXLg& ActiveLg() {
  static TXLg table;
  return table;
}

int PreferredLgID() { return PreferredLgIDStorage(); }
void SetPreferredLgID(int id) { PreferredLgIDStorage() = id; }

}  // namespace xs
