// The file version of an executable or library on disk.
#pragma once

#include <optional>
#include <string>

#include "platform/pe_image.h"

namespace xs {

// On success returns the four numbers of the file's version resource. On
// failure (a missing file, a file without a version resource) returns
// nullopt with the error number set. Windows asks the system's version
// functions; elsewhere the PE reader of platform/pe_image.h reads the file.
std::optional<TPeFileVersion> ReadFileVersion(const std::string& file_name);

}  // namespace xs
