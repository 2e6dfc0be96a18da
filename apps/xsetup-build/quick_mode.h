// xsetup-build folder DIR -o SETUP.exe --name NAME [--version V]
// [--publisher P] [--exe RELPATH] [--arch x64|x86] [--emit-script FILE]:
// an installer for a folder with no script written. The script is made as
// text and built as `setup` builds a script file, so that an author can
// start from the one --emit-script writes.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "build_commands.h"

namespace xs {

struct TQuickRequest {
  std::string Folder;  // DIR
  std::string Name, Version, Publisher;
  std::optional<std::string> Exe;  // --exe, relative to Folder
  std::string EmitScript;          // empty: none
  TBuildRequest Build;             // Out, Arch, Stubs, Packs, Quiet
};

// A file or subfolder of the folder: its path relative to it, with "/"
// between the parts.
struct TQuickEntry {
  std::string Path;
  bool IsFolder = false;
};

// Lists every file and subfolder below folder, each folder's entries in the
// byte order of their names followed by what a subfolder holds, so that a
// tree gives the same list whatever order the system lists it in. A link
// (or junction) is neither entered nor listed; its path goes to skipped.
// On failure (no such folder, a name Windows cannot hold) returns false
// with fault.
bool ListQuickFolder(const std::string& folder, std::vector<TQuickEntry>& entries,
                     std::vector<std::string>& skipped, std::string& fault);

// The program the shortcut and the finish page start: --exe when given,
// which must be a listed file, else the only ".exe" at the folder's top,
// else none (empty). On failure returns false with fault.
bool ChooseQuickExe(const std::optional<std::string>& given, const std::vector<TQuickEntry>& entries,
                    std::string& exe, std::string& fault);

// The install script for the listed entries: the install folder under
// "<wpf>" (below the publisher's name when given), every subfolder and
// file, a program group with a shortcut to exe (when not empty), the undo
// log and the uninstall entry with name, version and publisher, and the
// launch of exe on the finish page, in English (9) and the languages of
// lg_ids. Each Data.FileName is data_prefix and the entry's path.
std::string QuickScript(const TQuickRequest& request, const std::vector<TQuickEntry>& entries,
                        const std::string& exe, const std::vector<int32_t>& lg_ids, const std::string& data_prefix);

// The whole command: checks the names, lists the folder, reads the
// languages of the packs given (looked up as setup looks them up), writes the script
// to EmitScript when asked (replacing a file in one step) and builds the
// installer. Returns 0 on success, 1 on a failure, printed to err.
int QuickCommand(const TQuickRequest& request, std::ostream& out, std::ostream& err);

}  // namespace xs
