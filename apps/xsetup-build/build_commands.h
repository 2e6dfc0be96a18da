// The commands that build: install packages and language packs.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace xs {

// How the files' contents are compressed: -j N and --best. The package is
// byte for byte the same whatever Jobs is.
struct TCompression {
  int Jobs = 0;       // compressing threads; 0: one per core
  bool Best = false;  // the strongest level, at about three times the time
};

// What package, setup and folder build from, and how they report.
struct TBuildRequest {
  std::string Script, Out;
  std::vector<std::string> Packs;  // --lang, in the order given
  // Set by quick mode: the script's text, which names its source files
  // relative to SourceFolder. Script then only names it in messages.
  std::optional<std::string> Source;
  std::string SourceFolder;
  // -q: no progress and no summary line, only faults.
  bool Quiet = false;
  // setup and folder only.
  std::string Arch = "x64";
  std::string Stubs;  // --stubs; empty: looked up
  TCompression Compression;
};

// xsetup-build package SCRIPT -o OUT [--lang PACK]... [-q]: the install
// package (a container at offset 0) with group "Languages" holding the
// packs in the order given and group "Data" with the script, its items and
// the files' contents. On a script error prints "SCRIPT:LINE: message",
// leaves no OUT behind and returns 1; every source file that cannot be read
// is named, not only the first. OUT is written to a temporary file beside
// it, read back and moved over OUT in one step, so a failed write (a full
// disk) leaves an earlier OUT as it was and nothing new behind. Progress
// goes to err while the package is written (ChooseProgressStyle), then one
// summary line (SummaryLine) to out. The files' contents are read from disk
// as they are written, a block at a time (or whole, up to a few megabytes,
// on the compressing threads), so memory does not grow with them; a file
// that changed size since the script was read fails the build.
int PackageCommand(const TBuildRequest& request, std::ostream& out, std::ostream& err);

// xsetup-build setup SCRIPT -o OUT [--arch x64|x86] [--lang PACK]...
// [--stubs DIR] [-q]: the install package as PackageCommand builds it,
// appended to the stub folder's setup.exe of the architecture
// (stub_folder.h), with a file item for that architecture's uninst.exe
// added for every application whose UIExe the script does not install. The
// stub must be a PE image of the architecture's machine with nothing
// appended yet. OUT is published and reported as PackageCommand does, its
// package read back from the stub's end.
int SetupCommand(const TBuildRequest& request, std::ostream& out, std::ostream& err);

// xsetup-build lang WORDS -o PACK: compiles a plain words file into a
// language pack of this program (identity 100, 111, 400, 0, 0, "Language").
int LangCommand(const std::string& words_file, const std::string& out_file, std::ostream& err);
// The language a pack of this program is for; empty when the file cannot be
// read as one.
std::optional<int32_t> LangPackID(const std::string& pack_file);
// xsetup-build lang --decode PACK: prints the pack's plain words file.
int LangDecodeCommand(const std::string& pack_file, std::ostream& out, std::ostream& err);

}  // namespace xs
