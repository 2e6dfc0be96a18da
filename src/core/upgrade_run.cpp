// The upgrade run: the upgrade items whose version range holds the version
// of the earlier installation, for example an import of its data.
#include <tuple>

#include "base/error.h"
#include "base/progress.h"
#include "core/install_engine.h"
#include "core/item_error.h"
#include "script/version.h"

namespace xs {

namespace {
// Major, Minor, Release, then Build.
bool NotAfter(const xVersion& a, const xVersion& b) {
  return std::tie(a.Major, a.Minor, a.Release, a.Build) <= std::tie(b.Major, b.Minor, b.Release, b.Build);
}

bool InRange(const TXUICustomItem& item, const xVersion& tested) {
  return NotAfter(xVersion::Parse(item.UpgFromVer), tested) && NotAfter(tested, xVersion::Parse(item.UpgToVer));
}
}  // namespace

void TXCustomInstallEngine::UpgradeRun() {
  TXInstall& script = Package.Script;
  script.SplitSections();
  const xVersion tested = xVersion::Parse(TestedVersion);
  const int count = script.UpgradeItems.Count();
  for (int i = 0; i < count; ++i) {
    TXUICustomItem& item = *script.UpgradeItems.GetItem(i);
    item.ExpandMacros();
    if (!InRange(item, tested)) continue;
    int position = static_cast<int>(RoundDiv(static_cast<uint64_t>(i) * 100, static_cast<uint64_t>(count)));
    ReportProgress(item.Section, position, item.GetDisplayText());
    XError().Clear();
    try {
      std::unique_ptr<TXUICustomItem> record;
      item.Execute(record);
    } catch (...) {
      XError().SetFirstError(errGeneral, 0, false, item.GetDisplayText());
    }
    if (XError().GetCode() != 0) ShowItemError(item, false);
  }
}

}  // namespace xs
