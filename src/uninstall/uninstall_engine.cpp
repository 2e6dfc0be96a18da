#include "uninstall/uninstall_engine.h"

namespace xs {

bool TXCustomUninstallEngine::Execute() {
  return RunFramed([this] {
    Init();
    Load();
    LoadLanguage();
    return true;
  });
}

}  // namespace xs
