#include "uninstall/uninstall_filer.h"

#include "engine/install_filer.h"
#include "script/custom_ui.h"

namespace xs {

void TXUninstallFiler::Setup(TPersistent* root, int32_t value, const TXFilerParams& params) {
  TXRStreamFiler::Setup(root, value, params);
  if (auto* ui = dynamic_cast<TXCustomUI*>(root))
    Groups.AddGroup<TXInstallFilerGroup>(*this, static_cast<TObjectList*>(&ui->Items), ui);
}

}  // namespace xs
