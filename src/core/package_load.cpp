// Finding and loading the install package.
#include <functional>

#include "base/error.h"
#include "base/format.h"
#include "base/settings.h"
#include "core/install_engine.h"
#include "engine/dropped_records.h"
#include "engine/run_log.h"
#include "package/container_check.h"
#include "package/filer.h"
#include "package/qstream.h"
#include "platform/command_line.h"
#include "platform/file_stream.h"
#include "platform/file_system.h"
#include "script/path_macros.h"
#include "ui/message_box.h"

namespace xs {

namespace {
// The package's file: "/file:", else this program when its package starts
// at a known offset, else the ".0" file beside it; empty when none is there.
std::string PackageFile() {
  const TXRunSettings& s = RunSettings();
  if (!s.PackageFileName.empty()) return s.PackageFileName;
  if (s.StartOffset != 0) return ProgramFileName();
  std::string side_file = ChangeFileExt(ProgramFileName(), ".0");
  return FileExists(side_file) ? side_file : std::string();
}

// Reads every item of the package once and checks its checksum, so that a
// damaged package is refused before anything on the machine changes, not
// halfway through the install. Returns the first failure's code, or 0.
int CheckPackageContents(const std::string& file_name, int64_t start,
                         const std::function<void(int done, int total)>& progress) {
  XError().Clear();
  try {
    TFileStream file(file_name, FileMode::OpenRead);
    TXQStream container;
    if (!container.Open(omRead, &file, false, nullptr, start)) return XError().GetCode() ? XError().GetCode() : errLoad;
    return CheckContainer(container, progress);
  } catch (const EFOpenError& e) {
    XError().SetError(errFileOpen, e.SystemCode(), false, file_name);
    return errFileOpen;
  } catch (const EStreamError&) {
    return errLoad;
  }
}
}  // namespace

// The one message not translated: without a package there are no texts.
void TXCustomInstallEngine::ShowPackageError(const std::string& file_name) {
  ShowMessageBox(FormatTemplate(error_format_, {ExtractFileName(file_name)}), error_caption_, IconError,
                 TXButtonFrame::TXCmdOK, mrOK);
}

void TXCustomInstallEngine::DoLoad() {
  TXRunSettings& s = RunSettings();
  XError().Clear();
  if (s.PackageFileName == "*") return;
  s.PackageFileName = PackageFile();
  RunLog().Write("package: " + (s.PackageFileName.empty() ? std::string("none found") : s.PackageFileName) +
                 (s.StartOffset != 0 ? " at offset " + std::to_string(s.StartOffset) : std::string()));
  if (s.PackageFileName.empty()) {
    ShowPackageError("");
    XError().RaiseError();
  }
  if (!LoadPackageWith(s.PackageFileName, FilerClass<TXInstallFiler>, &Package, false, nullptr, {},
                       ifBindFileContents, s.StartOffset) ||
      LoadDroppedRecords()) {
    ShowPackageError(s.PackageFileName);
    XError().RaiseError();
  }
  const int checked = CheckPackageContents(s.PackageFileName, s.StartOffset, [this](int done, int total) {
    ReportProgress(isTemp, static_cast<int>(static_cast<int64_t>(done) * 100 / total), "Checking the package");
  });
  if (checked != errNone) {
    RunLog().Write("package damaged: error " + std::to_string(checked));
    ShowPackageError(s.PackageFileName);
    XError().SetError(checked, 0, true);
  }
  s.InstallFolder = IncludeTrailingPathDelimiter(ExpandPathMacros(Package.Script.DefaultFolderName));
  s.GroupName = Package.Script.DefaultGroupName;
}

}  // namespace xs
