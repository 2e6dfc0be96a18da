#include "script/special_folder.h"

#include "platform/file_system.h"
#include "platform/shell_folders.h"

namespace xs {

std::string GetSpecialFolder(int folder_id) {
  return IncludeTrailingPathDelimiter(SpecialFolderPath(folder_id, true));
}

}  // namespace xs
