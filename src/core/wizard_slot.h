// The engine's wizard slot, filled with the wizard of the user interface:
// the wizard reaches the install engine through this object, which runs
// the wizard's dialog and tells the engine whether it installed.
#pragma once

#include "core/install_dialogs.h"
#include "core/install_engine.h"
#include "wizard/install_dialog.h"

namespace xs {

class TXWizardSlot : public TXCustomInstallDialog, public TXWizardEngine {
 public:
  // engine is borrowed and outlives the slot; form_class makes the
  // wizard's window, which exists from now on.
  TXWizardSlot(TXCustomInstallEngine& engine, TXFormClass form_class);

  // Runs the wizard; true when its install run succeeded. Raises the
  // cancellation when the wizard closed before it ran the installation.
  bool ExecuteOK() override;

  const TXInstall& Script() const override { return engine_.Package.Script; }
  bool SearchVersion(const std::string& folder, TXUISearchOptions kind) override {
    return engine_.SearchVersion(folder, kind);
  }
  bool InstallRun() override;
  void UpgradeRun() override { engine_.UpgradeRun(); }
  void SetProgressSlot(TXWizardProgressFunc progress, TXWizardBytesFunc bytes) override;
  // No section has a title of its own: the item's text says what is done.
  std::string SectionTitle(TXUISection) const override { return {}; }
  bool Launch(const std::string& verb, const std::string& file, const std::string& parameters) override;
  // The program of HKEY_CLASSES_ROOT\<protocol>\shell\open\command, with
  // the link in place of "%1" (or after the command when it has none).
  bool StartProtocolHandler(const std::string& protocol, const std::string& link) override;

 private:
  TXCustomInstallEngine& engine_;
  TXInstallDialog dialog_;
  bool ran_ = false;
};

}  // namespace xs
