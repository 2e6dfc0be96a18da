#include "language_pack.h"

#include <string>

#include "lang/keys.h"
#include "lang/language.h"
#include "lang/lg_filer.h"
#include "lang/words_text.h"

namespace xs::fuzz {

namespace {
void UseWords(TStream& words) {
  TXLg table;
  table.NotifyOnLoad = false;
  table.LoadWords(words, true);
  table.ActiveLangID();
  for (const char* key : kLgAllKeys) table.Translate(key);
}
}  // namespace

bool UseLanguagePack(TStream& stream, TXLgProject& project) {
  TXLgHeader header;
  header.AppID = kPackAppID;
  header.AppVer = kPackAppVer;
  if (!ReadLgHeader(stream, header)) return false;
  project.AppID = kPackAppID;
  project.AppVer = kPackAppVer;
  if (!ReadLgProject(stream, project)) return false;
  UseWords(project.Words);
  const auto& bytes = project.Words.Bytes();
  std::string error;
  CheckWordsFile(DecodeWordsText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size())),
                 error);
  return true;
}

void UseWordsText(std::string_view words) {
  TMemoryStream stream(std::vector<uint8_t>(words.begin(), words.end()));
  UseWords(stream);
  std::string error;
  CheckWordsFile(DecodeWordsText(words), error);
  CheckWordsFile(words, error);
  EncodeWordsText(words);
}

}  // namespace xs::fuzz
