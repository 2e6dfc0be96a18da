#include "script/app_item.h"

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

TXUIAppItem* TXUIAppCollection::First() {
  if (Count() == 0) Add();
  return GetItem(0);
}

}  // namespace xs
