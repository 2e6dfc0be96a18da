// The parts of the file-system service that are the same everywhere.
#include "platform/file_system.h"

#include <chrono>
#include <cstdio>
#include <random>

#include "platform/system_error.h"

namespace xs {

namespace {
size_t NameStart(const std::string& file_name) {
  size_t cut = file_name.size();
  // A drive letter's colon ends the folder part too ("C:name").
  while (cut > 0 && !IsPathDelimiter(file_name[cut - 1]) && !(cut == 2 && file_name[1] == ':')) --cut;
  return cut;
}

uint64_t RandomBits() {
  // The clock and the stack's address add to what random_device gives,
  // which some runtimes make deterministic.
  thread_local std::mt19937_64 generator = [] {
    std::random_device device;
    int here = 0;
    std::seed_seq seed{device(), device(),
                       static_cast<unsigned>(std::chrono::high_resolution_clock::now().time_since_epoch().count()),
                       static_cast<unsigned>(reinterpret_cast<uintptr_t>(&here))};
    return std::mt19937_64(seed);
  }();
  return generator();
}

// Where the extension's dot is, or the name's end when it has none.
size_t ExtStart(const std::string& file_name) {
  size_t dot = file_name.rfind('.');
  if (dot == std::string::npos || dot < NameStart(file_name)) return file_name.size();
  return dot;
}
}  // namespace

std::string IncludeTrailingPathDelimiter(const std::string& name) {
  if (name.empty() || IsPathDelimiter(name.back())) return name;
  return name + kPathDelim;
}

std::string ExtractFilePath(const std::string& file_name) { return file_name.substr(0, NameStart(file_name)); }

std::string ExtractFileName(const std::string& file_name) { return file_name.substr(NameStart(file_name)); }

std::string ExtractFileExt(const std::string& file_name) { return file_name.substr(ExtStart(file_name)); }

std::string ChangeFileExt(const std::string& file_name, const std::string& ext) {
  return file_name.substr(0, ExtStart(file_name)) + ext;
}

bool IsAbsolutePath(const std::string& name) {
#ifdef _WIN32
  if (name.size() >= 3 && name[1] == ':' && IsPathDelimiter(name[2])) {
    char drive = static_cast<char>(name[0] | 0x20);
    return drive >= 'a' && drive <= 'z';
  }
  return name.size() >= 2 && IsPathDelimiter(name[0]) && IsPathDelimiter(name[1]);
#else
  return !name.empty() && IsPathDelimiter(name[0]);
#endif
}

std::string TempNameBeside(const std::string& target) {
  char digits[17];
  std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(RandomBits()));
  return ExtractFilePath(target) + kTempPrefix + digits + ".tmp";
}

std::unique_ptr<TFileStream> CreateTempFileBeside(const std::string& target) {
  for (int i = 0; i < kTempNameTries; ++i) {
    try {
      auto file = std::make_unique<TFileStream>(TempNameBeside(target), FileMode::CreateNew);
      SetLastSystemError(0);
      return file;
    } catch (const EFOpenError& e) {
      SetLastSystemError(e.SystemCode());
      if (e.SystemCode() != kErrFileExists) return nullptr;
    }
  }
  return nullptr;
}

std::string ExcludeTrailingPathDelimiter(std::string name) {
  while (name.size() > 1 && IsPathDelimiter(name.back())) name.pop_back();
  return name;
}

bool ForceFolders(const std::string& name) {
  const std::string folder = ExcludeTrailingPathDelimiter(name);
  if (folder.empty()) {
    SetLastSystemError(kErrPathNotFound);
    return false;
  }
  if (FolderExists(folder)) {
    SetLastSystemError(0);
    return true;
  }
  size_t cut = folder.size();
  while (cut > 0 && !IsPathDelimiter(folder[cut - 1])) --cut;
  // Stops at the root ("/", "C:\", "\\server\share\") where no parent is left.
  if (cut > 1 && !(cut == 3 && folder[1] == ':')) {
    std::string parent = folder.substr(0, cut - 1);
    if (!parent.empty() && !IsPathDelimiter(parent.back()) && !ForceFolders(parent)) return false;
  }
  // Another process may have made it meanwhile.
  if (CreateFolder(folder) || FolderExists(folder)) {
    SetLastSystemError(0);
    return true;
  }
  return false;
}

}  // namespace xs
