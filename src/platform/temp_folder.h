// A folder of the program's own in the user's temporary folder.
#pragma once

#include <string>

namespace xs {

// On success returns a new, empty folder in TempFolder() (system_info.h),
// with a trailing delimiter, named like a temporary file (TempNameBeside in
// file_system.h). The folder is made only under a name that did not exist
// (a taken name, be it a file, folder or link, makes it try another), so it
// belongs to this program alone. On failure (an unwritable temporary folder,
// or every name tried taken) returns an empty text with the error number
// set.
std::string CreateTempFolder();

}  // namespace xs
