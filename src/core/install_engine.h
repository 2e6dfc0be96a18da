// The engine of the setup program.
#pragma once

#include "engine/engine.h"
#include "engine/install_filer.h"

namespace xs {

class TXCustomInstallEngine : public TXCustomUIEngine {
 public:
  using TXCustomUIEngine::TXCustomUIEngine;

  // The install run: Init, Load, LoadLanguage, then the wizard. While it
  // lasts, "<install>", "<group>", "<old>" and "<ui>" expand to the run-wide
  // settings; the language state is restored afterwards, on every path out.
  // Any exception gives false; nothing is shown here.
  bool Execute() override;

  // The install script and the package's language packs.
  TXPackageContents Package;

 protected:
  void DoInit() override;
};

class TXInstallEngine : public TXCustomInstallEngine {
 public:
  using TXCustomInstallEngine::TXCustomInstallEngine;
};

}  // namespace xs
