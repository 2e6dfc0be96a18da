// Deleting at the next system start what cannot go while it is in use.
#pragma once

#include <string>

namespace xs {

// Asks the system to delete the file or empty folder name when it next
// starts, before any program can use it. Requests are carried out in the
// order they were made, so a folder's files go before the folder. Windows
// keeps the request in the machine's registry, which needs administrator
// rights. The POSIX emulation deletes nothing and records the request
// (RecordedRestartDeletes in emulation.h). On success returns true. On
// failure (no rights, a name the system refuses) returns false with the
// error number set.
bool DeleteAtRestart(const std::string& name);

}  // namespace xs
