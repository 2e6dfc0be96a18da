#include "stub_folder.h"

#include <cstdio>
#include <cstdlib>
#include <optional>

#include "platform/command_line.h"
#include "platform/file_stream.h"
#include "platform/file_system.h"
#include "platform/pe_image.h"

namespace xs {

TStubFolder FindStubFolder(const std::string& option) {
  if (!option.empty()) return {IncludeTrailingPathDelimiter(option), "--stubs"};
  const char* env = std::getenv("XSETUP_STUBS");
  if (env && *env) return {IncludeTrailingPathDelimiter(env), "XSETUP_STUBS"};
  const std::string up = std::string("..") + kPathDelim + "share" + kPathDelim + "xsetup" + kPathDelim;
  return {ExtractFilePath(ProgramFileName()) + up, "the installed layout beside xsetup-build"};
}

std::string StubFile(const TStubFolder& folder, const std::string& arch, const std::string& name) {
  return folder.Path + arch + kPathDelim + name;
}

std::string LangPackFile(const TStubFolder& folder, const std::string& pack) {
  const bool is_path = pack.find_first_of("/\\") != std::string::npos || !ExtractFileExt(pack).empty();
  if (is_path || GetFileAttr(pack) != faInvalid) return pack;
  return folder.Path + "lang" + kPathDelim + pack + ".xlg";
}

uint16_t StubMachine(const std::string& arch) {
  return arch == "x64" ? kPeMachineAmd64 : arch == "x86" ? kPeMachineI386 : 0;
}

namespace {
std::string MachineName(uint16_t machine) {
  if (machine == kPeMachineAmd64) return "an x64";
  if (machine == kPeMachineI386) return "an x86";
  char hex[8];
  std::snprintf(hex, sizeof hex, "%04x", machine);
  return std::string("a machine 0x") + hex;
}
}  // namespace

bool CheckStub(const std::string& file, uint16_t machine, bool to_append, int64_t& size, std::string& fault) {
  std::optional<uint16_t> found;
  std::optional<int64_t> end;
  try {
    TFileStream stream(file, FileMode::OpenRead);
    found = PeMachine(stream);
    end = PeImageEnd(stream);
    size = stream.Size();
  } catch (const EStreamError&) {
    fault = file + " is missing or cannot be read";
    return false;
  }
  if (!found || !end) {
    fault = file + " is not a Windows program";
    return false;
  }
  if (*found != machine) {
    fault = file + " is " + MachineName(*found) + " program, not " + MachineName(machine);
    return false;
  }
  if (to_append && size != *end) {
    fault = file + " has something appended already (" + std::to_string(size - *end) + " bytes)";
    return false;
  }
  return true;
}

}  // namespace xs
