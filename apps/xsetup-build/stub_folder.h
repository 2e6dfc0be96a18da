// The stubs that `xsetup-build setup` builds on: a folder with the
// subfolders x64/ and x86/, each holding setup.exe and uninst.exe, and
// lang/ with the compiled language packs.
#pragma once

#include <cstdint>
#include <string>

namespace xs {

struct TStubFolder {
  std::string Path;    // with its trailing delimiter
  std::string Source;  // how it was chosen, for messages
};

// The folder named by --stubs (option, when not empty), else by the
// environment variable XSETUP_STUBS (when set and not empty), else
// "../share/xsetup/" beside the builder's own executable (the installed
// layout). Whether it exists is not checked here.
TStubFolder FindStubFolder(const std::string& option);

// The stub program name ("setup.exe" or "uninst.exe") for arch ("x64" or
// "x86") in folder.
std::string StubFile(const TStubFolder& folder, const std::string& arch, const std::string& name);

// The language pack --lang names: pack itself when it is a file or has a
// folder part or an extension (a path), else the compiled pack of that
// language in the folder's lang/ ("de": lang/de.xlg), as installed beside
// the stubs.
std::string LangPackFile(const TStubFolder& folder, const std::string& pack);

// The PE machine type a stub of arch must carry; 0 for an unknown arch.
uint16_t StubMachine(const std::string& arch);

// Checks that file is a PE image of machine and, when a package is to be
// appended to it, that nothing is appended yet (uninst.exe is delivered
// as it is, and may carry a symbol table behind its image). On success
// returns true with the file's size in size. On failure returns false with
// a message naming the file and the fault in fault.
bool CheckStub(const std::string& file, uint16_t machine, bool to_append, int64_t& size, std::string& fault);

}  // namespace xs
