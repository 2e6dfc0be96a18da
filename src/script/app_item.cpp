#include "script/app_item.h"

#include <vector>

#include "script/path_macros.h"
#include "script/property_copy.h"

namespace xs {

XS_DEFINE_CLASS(TXUIAppItem, TXCollectionItem,
    Prop("optSaveLog", &TXUIAppItem::optSaveLog),
    Prop("optCleanFolders", &TXUIAppItem::optCleanFolders),
    Prop("optRequired", &TXUIAppItem::optRequired),
    Prop("optShowComponentsTitle", &TXUIAppItem::optShowComponentsTitle),
    Prop("AppIdx", &TXUIAppItem::AppIdx),
    Prop("LogIdx", &TXUIAppItem::LogIdx),
    Prop("Title", &TXUIAppItem::Title),
    Prop("LogTitle", &TXUIAppItem::LogTitle),
    Prop("Icon", &TXUIAppItem::Icon),
    Prop("Version", &TXUIAppItem::Version),
    Prop("Mutex", &TXUIAppItem::Mutex),
    Prop("MutexTitle", &TXUIAppItem::MutexTitle),
    Prop("WndTitle", &TXUIAppItem::WndTitle),
    Prop("Folder", &TXUIAppItem::Folder),
    Prop("LaunchOperation", &TXUIAppItem::LaunchOperation),
    Prop("Launch", &TXUIAppItem::Launch),
    Prop("LaunchParams", &TXUIAppItem::LaunchParams),
    Prop("UIExe", &TXUIAppItem::UIExe),
    Prop("UILog", &TXUIAppItem::UILog),
    Prop("CleanFolders", &TXUIAppItem::CleanFolders),
    Prop("UIInfo", &TXUIAppItem::UIInfo),
    Prop("TitleExtension", &TXUIAppItem::TitleExtension))

bool TXUIAppItem::AssignFrom(const TPersistent& source) {
  if (!TXCollectionItem::AssignFrom(source)) return false;
  CopySharedProperties(*this, source);
  return true;
}

void TXUIAppItem::ExpandAppPaths() {
  for (std::string* s : {&Mutex, &Folder, &Launch, &LaunchParams, &UIExe, &UILog})
    *s = ExpandPathMacros(*s);
  CleanFolders.SetText(ExpandPathMacros(CleanFolders.Text()));
}

namespace {
// The entry of list named *name (any name when null) that fits lg_id best.
std::string BestLanguageText(const TXStringCollection& list, const std::string* name, int32_t lg_id) {
  const int32_t default_id = list.ListObj().LgID();
  std::vector<int32_t> preference = {lg_id, lg_id & 0xFF, default_id, 0};
  if (default_id != 9) preference.push_back(9);
  for (int32_t id : preference)
    for (int i = 0; i < list.Count(); ++i) {
      const TXStringItem& entry = *list.GetItem(i);
      if ((!name || entry.Name == *name) && entry.LgID == id) return entry.S;
    }
  return {};
}
}  // namespace

std::string LanguageText(const TXStringCollection& list, const std::string& name, int32_t lg_id) {
  return BestLanguageText(list, &name, lg_id);
}

std::string LanguageText(const TXStringCollection& list, int32_t lg_id) {
  return BestLanguageText(list, nullptr, lg_id);
}

TXUIAppItem* TXUIAppCollection::First() {
  if (Count() == 0) Add();
  return GetItem(0);
}

}  // namespace xs
