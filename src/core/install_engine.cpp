#include "core/install_engine.h"

namespace xs {

void TXCustomInstallEngine::DoInit() {
  error_caption_ = "Error Starting Setup - Incomplete Installer File";
  error_format_ =
      "Error starting setup - Incomplete installer file: %s\r\n"
      "If the problem persists you may have to download the file again.";
}

bool TXCustomInstallEngine::Execute() {
  return RunFramed([this] {
    Init();
    Load();
    LoadLanguage();
    Package.Script.SplitSections();
    return true;
  });
}

}  // namespace xs
