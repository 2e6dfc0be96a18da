// The applications and components the user picks, and the summary of the
// choices that the start page shows.
#include "base/settings.h"
#include "lang/keys.h"
#include "lang/language.h"
#include "script/items.h"
#include "wizard/install_wizard.h"

namespace xs {

void TXInstallWizard::AddApplications() {
  const TXUIAppCollection& apps = Script().AppItems;
  const int32_t lg_id = RunSettings().CurrentLgID;
  welcome_components_.Clear();
  for (int i = 0; i < apps.Count(); ++i) {
    const TXUIAppItem& app = *apps.GetItem(i);
    const std::string extension = LanguageText(app.TitleExtension, lg_id);
    std::string label = app.Title + " " + extension;
    if (!app.optRequired) {
      welcome_components_.AddCheck(label, true, &app);
      continue;
    }
    if (!extension.empty()) label += " ";
    welcome_components_.AddRequired(label + "(" + ActiveLg().Translate(kLgRequiredWord) + ")", &app);
  }
  welcome_scroll_visible_ = Script().optShowApps;
}

void TXInstallWizard::LeaveWelcome() {
  const TXUIAppCollection& apps = Script().AppItems;
  TXComponentSet& selection = RunSettings().SelectedComponents;
  for (int i = 0; i < apps.Count(); ++i) selection.set(apps.GetItem(i)->AppIdx, welcome_components_.Checked(i));
  if (Script().ComponentItems.Count() > 0) RebuildComponents();
}

void TXInstallWizard::RebuildComponents() {
  const TXInstall& script = Script();
  const int32_t lg_id = RunSettings().CurrentLgID;
  components_list_.Clear();
  for (int i = 0; i < script.AppItems.Count(); ++i) {
    if (!welcome_components_.Checked(i)) continue;
    const TXUIAppItem& app = *script.AppItems.GetItem(i);
    if (script.AppItems.Count() > 1 && app.optShowComponentsTitle) components_list_.AddTitle(app.Title);
    for (int c = 0; c < script.ComponentItems.Count(); ++c) {
      const auto* component = dynamic_cast<const TXUIComponentItem*>(script.ComponentItems.GetItem(c));
      if (!component || component->AppIdx != app.AppIdx) continue;
      if (component->LgID() != 0 && component->LgID() != lg_id) continue;
      if (component->Required)
        components_list_.AddRequired(component->Title, component);
      else
        components_list_.AddCheck(component->Title, true, component);
    }
  }
}

void TXInstallWizard::FillSummary() {
  TXRunSettings& s = RunSettings();
  const TXLg& lg = ActiveLg();
  const TXInstall& script = Script();
  s.GroupName = StartMenuFolderEdit;
  summary_.clear();
  auto line = [this](const std::string& text, bool indented = false) { summary_.push_back({text, indented}); };
  if (!s.InstallFolder.empty()) {
    line(lg.Translate(kLgSummaryFolderHeading) + ":");
    line(s.InstallFolder);
    line("");
  }
  if (!s.GroupName.empty()) {
    line(texts_.GroupLabel + ":");
    line(s.GroupName);
    line("");
  }
  line(lg.Translate(kLgSummaryComponentsHeading) + ":");
  for (int i = 0; i < script.AppItems.Count(); ++i) {
    if (!welcome_components_.Checked(i)) continue;
    const TXUIAppItem& app = *script.AppItems.GetItem(i);
    s.SelectedComponents.set(app.AppIdx);
    line(app.Title, true);
    for (int c = 0; c < components_list_.Count(); ++c) {
      const auto* component = dynamic_cast<const TXUIComponentItem*>(components_list_.Item(c).Object);
      if (!component || component->AppIdx != app.AppIdx) continue;
      s.SelectedComponents.set(component->Idx, components_list_.Checked(c));
      if (components_list_.Checked(c)) line(component->Title, true);
    }
  }
  line("");
  s.CreateDesktopShortcut = script.optShowCreateDesktopShortcut && CreateShortcutChecked;
  if (s.CreateDesktopShortcut) line(texts_.CreateShortcutChk);
}

}  // namespace xs
