// Machine facts of the emulated Windows machine (see emulation.h).
#include "platform/system_info.h"

#include <sys/stat.h>

#include "platform/file_system.h"
#include "platform/posix/emulated_machine.h"
#include "platform/posix/native_path.h"
#include "platform/system_error.h"

namespace xs {

std::string TempFolder() {
  std::optional<std::string> folder;
  for (const char* name : {"TMP", "TEMP", "USERPROFILE"})
    if ((folder = EmulatedVariable(name)) && !folder->empty()) break;
  std::string path = folder && !folder->empty() ? *folder : WindowsFolder();
  ForceFolders(path);
  if (path.empty() || !IsPathDelimiter(path.back())) path += '/';
  SetLastSystemError(0);
  return path;
}

std::string WindowsFolder() {
  SetLastSystemError(0);
  return MachinePath("Windows", true);
}

std::string SystemFolder() {
  SetLastSystemError(0);
  return MachinePath("Windows/System32", true);
}

std::string LogonUserName() {
  std::string name = EmulatedUserName();
  SetLastSystemError(name.empty() ? ENOENT : 0);
  return name.substr(0, 255);
}

std::string ComputerName() {
  std::string name = EmulatedComputerName();
  SetLastSystemError(name.empty() ? ENOENT : 0);
  return name;
}

std::string ShortPathName(const std::string& path) {
  struct stat st;
  if (path.empty() || ::stat(NativePath(path).c_str(), &st) != 0) {
    SetLastSystemError(path.empty() ? ENOENT : errno);
    return {};
  }
  SetLastSystemError(0);
  return path;
}

std::string ExpandEnvironment(const std::string& text) {
  std::string out;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t open = text.find('%', pos);
    size_t close = open == std::string::npos ? open : text.find('%', open + 1);
    if (close == std::string::npos) break;
    out.append(text, pos, open - pos);
    std::optional<std::string> value;
    if (close > open + 1) value = EmulatedVariable(text.substr(open + 1, close - open - 1));
    if (value)
      out += *value;
    else
      out.append(text, open, close - open + 1);
    pos = close + 1;
  }
  out.append(text, pos, std::string::npos);
  SetLastSystemError(0);
  return out;
}

std::optional<std::string> EnvironmentVariable(const std::string& name) {
  std::optional<std::string> value = EmulatedVariable(name);
  SetLastSystemError(value ? 0 : ENOENT);
  return value;
}

bool IsWinXPOrLater() { return true; }

}  // namespace xs
