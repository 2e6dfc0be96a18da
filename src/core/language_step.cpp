// The language step: the package's languages, then the start dialog or the
// language dialog.
#include "base/error.h"
#include "base/settings.h"
#include "core/install_engine.h"
#include "lang/language.h"
#include "lang/lg_wizard.h"
#include "ui/message_box.h"

namespace xs {

void TXCustomInstallEngine::DoLoadLanguage() {
  TXLgWizard& wizard = LgWizard();
  for (int i = 0; i < Package.Languages.Count(); ++i) {
    TStream& pack = Package.Languages.GetItem(i)->Data.DataStream();
    if (wizard.AddLanguageStream(pack)) offered_packs_.push_back(&pack);
  }
  const TXInstall& script = Package.Script;
  SetPreferredLgID(script.LgIDs.DefaultLgID());
  wizard.OfferedIDs.Assign(script.LgIDs);
  wizard.RefreshLanguageList();

  if (script.optAppDemo && StartDialog) {
    // The start dialog carries the language choice too.
    StartDialog->Caption = script.Title;
    int choice = StartDialog->Execute();
    if (choice == mrCancel) XError().SetError(errCancelled, 0, true);
    if (choice == mrDemo) RunSettings().RunConditions.set(cdDemo);
  } else if (wizard.OfferedPacks().Count() > 1 && LgDialog) {
    LgDialog->Caption = script.Title;
    if (!LgDialog->ExecuteOK()) XError().SetError(errCancelled, 0, true);
  }
}

}  // namespace xs
