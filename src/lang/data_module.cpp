#include "lang/data_module.h"

#include "lang/builtin_words.h"
#include "lang/lg_filer.h"
#include "lang/lg_wizard.h"

namespace xs {

namespace {
constexpr uint32_t kAppID = 111;
constexpr uint32_t kAppVer = 400;
}  // namespace

TData::TData(TComponent* owner) : TComponent(owner) {
  TXLgProject english;
  english.SetLgID(9);
  english.LgName = "English";
  english.AppID = kAppID;
  english.AppVer = kAppVer;
  const std::string& words = BuiltInWordsText();
  english.Words.WriteBuffer(words.data(), static_cast<int64_t>(words.size()));
  TMemoryStream pack;
  if (SaveLgProject(pack, english)) lgStream.Data.ReadFrom(pack);
  lgStream.Data.DataClass = ".xlg";
}

void StartLanguages(TData& data) {
  TXLgWizard& wizard = LgWizard();
  wizard.AppID = kAppID;
  wizard.AppVer = kAppVer;
  wizard.AddLanguageStream(data.lgStream.Data.DataStream());
  wizard.SelectLanguage(0);
}

}  // namespace xs
