// The shell's special folders as the script names them: by the shell's
// folder numbers (csidl* in platform/shell_folders.h).
#pragma once

#include <string>

namespace xs {

// The folder's path with a trailing delimiter, made first when it does not
// exist yet; empty when the system knows no such folder or cannot make it.
std::string GetSpecialFolder(int folder_id);

// The items' view of the special folders.
struct xShell {
  static std::string GetSpecialFolder(int folder_id) { return xs::GetSpecialFolder(folder_id); }
};

}  // namespace xs
