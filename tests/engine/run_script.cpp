// run_script: executes the install items of a package against the machine
// it runs on and reverses them again, so that a test can look at the
// machine from outside in between.
//   run_script install PACKAGE LOG   every install item in script order;
//                                    the records of undo log 0 go to LOG
//   run_script undo LOG              the records of LOG, last first
//   run_script touch FILE [MS]       waits MS milliseconds, then writes FILE
// Prints one line per item ("ok" or "failed", the class, the display text).
// Exit codes: 0 all went well, 1 an item or record failed, 2 bad arguments
// or a package or log that cannot be read or written.
#include <chrono>
#include <cstdio>
#include <exception>
#include <memory>
#include <string>
#include <thread>

#include "base/convert.h"
#include "base/error.h"
#include "base/settings.h"
#include "engine/install_filer.h"
#include "package/filer.h"
#include "platform/admin.h"
#include "platform/file_stream.h"
#include "script/path_macros.h"
#include "script/register.h"
#include "script/undo_records.h"

namespace xs {
namespace {

void Report(bool ok, const TXUICustomItem& item) {
  std::printf("%s %s %s", ok ? "ok" : "failed", item.ClassName().c_str(), item.GetDisplayText().c_str());
  if (!ok && XError().GetCode() != 0) std::printf(" (error %d)", XError().GetCode());
  std::printf("\n");
}

int Install(const std::string& package, const std::string& log_file) {
  TXPackageContents contents;
  if (!LoadFileWith(package, FilerClass<TXInstallFiler>, &contents, false, nullptr, {}, ifBindFileContents)) {
    std::fprintf(stderr, "run_script: cannot load %s (error %d)\n", package.c_str(), XError().GetCode());
    return 2;
  }
  TXInstall& script = contents.Script;
  script.SplitSections();
  std::printf("%d items\n", script.InstallItems.Count());
  TXUndoList logs;
  logs.Add(NewUndoLog(script, *script.AppItems.First()).release());
  TXUndo temp_log;
  bool all_ok = true;
  for (int i = 0; i < script.InstallItems.Count(); ++i) {
    TXUICustomItem& item = *script.InstallItems.GetItem(i);
    item.ExpandMacros();
    std::unique_ptr<TXUICustomItem> record;
    bool ok = false;
    try {
      ok = PerformItem(item, record);
    } catch (const std::exception& e) {
      std::printf("raised %s: %s\n", item.ClassName().c_str(), e.what());
    }
    Report(ok, item);
    all_ok = all_ok && ok;
    KeepUndoRecord(item, ok, std::move(record), logs, temp_log);
  }
  if (!SaveNewFileWith(log_file, FilerClass<TXInstallFiler>, logs.GetItem(0), false, nullptr)) {
    std::fprintf(stderr, "run_script: cannot write %s (error %d)\n", log_file.c_str(), XError().GetCode());
    return 2;
  }
  return all_ok ? 0 : 1;
}

int Undo(const std::string& log_file) {
  TXUndo log;
  if (!LoadFileWith(log_file, FilerClass<TXInstallFiler>, &log, false, nullptr)) {
    std::fprintf(stderr, "run_script: cannot load %s (error %d)\n", log_file.c_str(), XError().GetCode());
    return 2;
  }
  std::printf("%d records\n", log.Items.Count());
  ReverseUndoRecords(log);
  // What stays in the log are the reversals that failed.
  for (int i = 0; i < log.Items.Count(); ++i) Report(false, *log.Items.GetItem(i));
  return log.Items.Count() == 0 ? 0 : 1;
}

int Touch(const std::string& file, const std::string& delay) {
  std::this_thread::sleep_for(std::chrono::milliseconds(StrToIntDef(delay, 0)));
  TFileStream out(file, FileMode::Create);
  out.WriteBuffer("touched", 7);
  return 0;
}

int Run(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "install" && argc == 4) return Install(argv[2], argv[3]);
  if (command == "undo" && argc == 3) return Undo(argv[2]);
  if (command == "touch" && (argc == 3 || argc == 4)) return Touch(argv[2], argc == 4 ? argv[3] : "0");
  std::fprintf(stderr,
               "usage: run_script install PACKAGE LOG\n"
               "       run_script undo LOG\n"
               "       run_script touch FILE [MS]\n");
  return 2;
}

}  // namespace
}  // namespace xs

int main(int argc, char** argv) {
  xs::RegisterScriptClasses();
  xs::InitializePathMacros();
  xs::RunSettings().HasAdminRights = xs::IsAdministrator();
  try {
    return xs::Run(argc, argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "run_script: %s\n", e.what());
    return 2;
  }
}
