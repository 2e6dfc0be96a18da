#include "script/install.h"

#include "base/settings.h"
#include "script/file_items.h"

namespace xs {

XS_DEFINE_CLASS(TXInstall, TXCustomUI,
    Prop("LgIDs", &TXInstall::LgIDs),
    Prop("Title", &TXInstall::Title),
    Prop("UpdateTitle", &TXInstall::UpdateTitle),
    Prop("DefaultFolderName", &TXInstall::DefaultFolderName),
    Prop("DefaultGroupName", &TXInstall::DefaultGroupName),
    Prop("DefaultFolderExt", &TXInstall::DefaultFolderExt),
    Prop("UIExt", &TXInstall::UIExt),
    Prop("optShowApps", &TXInstall::optShowApps),
    Prop("optAppDemo", &TXInstall::optAppDemo),
    Prop("optAppUpdate", &TXInstall::optAppUpdate),
    Prop("optAppAddOn", &TXInstall::optAppAddOn),
    Prop("optShowCreateDesktopShortcut", &TXInstall::optShowCreateDesktopShortcut))

void TXInstall::ClearSections() {
  for (TXUIObjectList* list : {&SearchItems, &UpgradeItems, &TextItems, &ComponentItems, &InstallItems})
    list->Clear();
}

void TXInstall::SplitSections() {
  ClearSections();
  for (int i = 0; i < Items.Count(); ++i) {
    TXUICustomItem* item = Items.GetItem(i);
    switch (item->Section) {
      case isText: TextItems.Add(item); break;
      case isComponent: ComponentItems.Add(item); break;
      case isSearch: SearchItems.Add(item); break;
      case isUpgrade: UpgradeItems.Add(item); break;
      default: InstallItems.Add(item); break;
    }
  }
  for (int i = 0; i < InstallItems.Count(); ++i)
    if (auto* file = dynamic_cast<TXUITextFileItem*>(InstallItems.GetItem(i)))
      file->Text = FindText(file->LgID(), file->TextName);
}

std::string TXInstall::FindText(int32_t lg_id, const std::string& name) const {
  int32_t current = RunSettings().CurrentLgID;
  for (int i = 0; i < TextItems.Count(); ++i) {
    // The section decides the list, so other classes can be here too.
    auto* text = dynamic_cast<const TXUITextItem*>(TextItems.GetItem(i));
    if (!text || text->TextName != name) continue;
    int32_t id = text->LgID();
    if (id == lg_id || id == 0 || (lg_id == 0 && id == current)) return text->Text;
  }
  return {};
}

std::string TXInstall::TextForApps(const std::string& tag) const {
  const TXRunSettings& run = RunSettings();
  std::string suffix;
  for (int p = 0; p < AppItems.Count(); ++p) {
    uint8_t app = AppItems.GetItem(p)->AppIdx;
    if (!run.SelectedComponents.test(app)) continue;
    if (p != 0) suffix += '_';
    suffix += std::to_string(app);
  }
  std::string text = FindText(run.CurrentLgID, tag + suffix);
  return text.empty() ? FindText(run.CurrentLgID, tag) : text;
}

void TXInstall::Clear() {
  ClearSections();
  TXCustomUI::Clear();
  LgIDs.Clear();
  for (std::string* s : {&Title, &UpdateTitle, &DefaultFolderName, &DefaultGroupName, &DefaultFolderExt, &UIExt})
    s->clear();
  optShowApps = optAppDemo = optAppUpdate = optAppAddOn = false;
  optShowCreateDesktopShortcut = true;
}

bool TXInstall::AssignFrom(const TPersistent& source) {
  ClearSections();  // the items they reference may be replaced
  if (!TXCustomUI::AssignFrom(source)) return false;
  SplitSections();
  return true;
}

}  // namespace xs
