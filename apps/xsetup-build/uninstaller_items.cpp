#include "uninstaller_items.h"

#include <memory>

#include "base/convert.h"
#include "script/file_items.h"

namespace xs {

namespace {

bool WritesFile(const TXUICustomItem& item, const std::string& name) {
  auto* file = dynamic_cast<const TXUICustomFileItem*>(&item);
  if (!file || !SameText(file->FileName, name)) return false;
  return dynamic_cast<const TXUIFileItem*>(file) || dynamic_cast<const TXUITextFileItem*>(file) ||
         dynamic_cast<const TXUICopyFileItem*>(file) || dynamic_cast<const TXUIRenameFileItem*>(file);
}

bool ScriptWrites(const TXInstall& script, const std::string& name) {
  for (int i = 0; i < script.Items.Count(); ++i)
    if (WritesFile(*script.Items.GetItem(i), name)) return true;
  return false;
}

}  // namespace

std::vector<const TXUIAppItem*> AppsWithoutUninstaller(const TXInstall& script) {
  std::vector<const TXUIAppItem*> apps;
  for (int i = 0; i < script.AppItems.Count(); ++i) {
    const TXUIAppItem* app = script.AppItems.GetItem(i);
    if (app->UIExe.empty() || ScriptWrites(script, app->UIExe)) continue;
    bool listed = false;
    for (const TXUIAppItem* other : apps) listed = listed || SameText(other->UIExe, app->UIExe);
    if (!listed) apps.push_back(app);
  }
  return apps;
}

void AddUninstallerItem(TXInstall& script, const TXUIAppItem& app, const TXStreamObject& data) {
  auto item = std::make_unique<TXUIFileItem>();
  item->LogIdx = app.LogIdx;
  item->Section = isFile;
  item->Component = app.AppIdx;
  item->ErrorOptions = eoAbort;
  item->SaveUndo = true;
  item->FileName = app.UIExe;
  item->Options = optfNone;
  item->Data.AssignFrom(data);
  script.AddItem(std::move(item));
}

}  // namespace xs
