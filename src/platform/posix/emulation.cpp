#include "platform/emulation.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <map>

#include "platform/codepage.h"
#include "platform/file_system.h"
#include "platform/posix/emulated_machine.h"

extern char** environ;

namespace xs {

namespace {
struct Records {
  std::vector<TShellChange> shell;
  std::vector<TSystemParameterChange> parameters;
  std::vector<std::string> restart_deletes;
  std::map<std::string, std::optional<std::string>> variables;  // upper-case names
};

Records& State() {
  static Records& records = *new Records;  // outlives static destruction
  return records;
}

std::optional<std::string> DefaultVariable(const std::string& upper) {
  std::string root = EmulationRoot();
  std::string profile_rel = "/Users/" + EmulatedUserName();
  std::string profile = root + profile_rel;
  if (upper == "USERPROFILE") return profile;
  if (upper == "APPDATA") return profile + "/AppData/Roaming";
  if (upper == "LOCALAPPDATA") return profile + "/AppData/Local";
  // No drive letters here: the root plays the drive.
  if (upper == "HOMEDRIVE") return root;
  if (upper == "HOMEPATH") return profile_rel;
  if (upper == "PROGRAMFILES") return root + "/Program Files";
  if (upper == "COMMONPROGRAMFILES") return root + "/Program Files/Common Files";
  if (upper == "SYSTEMROOT" || upper == "WINDIR") return root + "/Windows";
  if (upper == "PROGRAMDATA" || upper == "ALLUSERSPROFILE") return root + "/ProgramData";
  if (upper == "PUBLIC") return root + "/Users/Public";
  if (upper == "TEMP" || upper == "TMP") return root + "/Temp";
  if (upper == "USERNAME") return EmulatedUserName();
  if (upper == "COMPUTERNAME") return EmulatedComputerName();
  return std::nullopt;
}
}  // namespace

std::string EmulationRoot() {
  const char* root = std::getenv("XS_EMULATION_ROOT");
  std::string out = root && *root ? root : "/tmp/xsetup-emulation-" + std::to_string(::geteuid());
  while (out.size() > 1 && out.back() == '/') out.pop_back();
  return out;
}

void SetEmulationRoot(const std::string& folder) { ::setenv("XS_EMULATION_ROOT", folder.c_str(), 1); }

void SetEmulatedVariable(const std::string& name, std::optional<std::string> value) {
  State().variables[AnsiUpperCase(name)] = std::move(value);
}

void ResetEmulatedVariables() { State().variables.clear(); }

std::vector<TShellChange> RecordedShellChanges() { return State().shell; }

std::vector<TSystemParameterChange> RecordedSystemParameterChanges() { return State().parameters; }

std::vector<std::string> RecordedRestartDeletes() { return State().restart_deletes; }

void ClearEmulationRecords() {
  State().shell.clear();
  State().parameters.clear();
  State().restart_deletes.clear();
}

std::string MachinePath(const std::string& relative, bool create) {
  std::string path = EmulationRoot() + "/" + relative;
  if (create) ForceFolders(path);
  return path;
}

std::string EmulatedUserName() {
  if (const passwd* pw = ::getpwuid(::geteuid()); pw && pw->pw_name && *pw->pw_name) return pw->pw_name;
  const char* user = std::getenv("USER");
  return user ? user : "";
}

std::string EmulatedComputerName() {
  char host[256] = {};
  if (::gethostname(host, sizeof host - 1) != 0) return "";
  return AnsiUpperCase(std::string(host).substr(0, 15));
}

std::optional<std::string> EmulatedVariable(const std::string& name) {
  std::string upper = AnsiUpperCase(name);
  auto it = State().variables.find(upper);
  if (it != State().variables.end()) return it->second;
  if (auto value = DefaultVariable(upper)) return value;
  if (const char* exact = std::getenv(name.c_str())) return std::string(exact);
  // Windows finds variables in any letter case.
  for (char** entry = environ; *entry; ++entry) {
    std::string text = *entry;
    size_t eq = text.find('=');
    if (eq != std::string::npos && AnsiUpperCase(text.substr(0, eq)) == upper) return text.substr(eq + 1);
  }
  return std::nullopt;
}

void RecordShellChange(const TShellChange& change) { State().shell.push_back(change); }

void RecordSystemParameterChange(const TSystemParameterChange& change) { State().parameters.push_back(change); }

void RecordRestartDelete(const std::string& name) { State().restart_deletes.push_back(name); }

}  // namespace xs
