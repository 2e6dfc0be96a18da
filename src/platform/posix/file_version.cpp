#include "platform/file_version.h"

#include <cerrno>

#include "platform/file_stream.h"
#include "platform/system_error.h"

namespace xs {

std::optional<TPeFileVersion> ReadFileVersion(const std::string& file_name) {
  try {
    TFileStream file(file_name, FileMode::OpenRead);
    std::optional<TPeFileVersion> version = PeFileVersion(file);
    SetLastSystemError(version ? 0 : ENOEXEC);
    return version;
  } catch (const EFOpenError& e) {
    SetLastSystemError(e.SystemCode());
  } catch (const EStreamError&) {
    SetLastSystemError(EIO);
  }
  return std::nullopt;
}

}  // namespace xs
