#include "platform/temp_folder.h"

#include "platform/file_system.h"
#include "platform/system_error.h"
#include "platform/system_info.h"

namespace xs {

std::string CreateTempFolder() {
  const std::string temp = TempFolder();
  if (temp.empty()) return {};
  for (int i = 0; i < kTempNameTries; ++i) {
    // The folder takes the name a temporary file would have in temp.
    const std::string folder = TempNameBeside(temp + "x");
    if (CreateFolder(folder)) return IncludeTrailingPathDelimiter(folder);
    if (LastSystemError() != kErrFileExists) return {};
  }
  return {};
}

}  // namespace xs
