// The parts of the file-system service that are the same everywhere.
#include "platform/file_system.h"

#include "platform/system_error.h"

namespace xs {

bool ForceFolders(const std::string& name) {
  std::string folder = name;
  while (folder.size() > 1 && IsPathDelimiter(folder.back())) folder.pop_back();
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
