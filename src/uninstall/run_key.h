// Programs an installation registered to start with Windows.
#pragma once

#include "script/undo.h"

namespace xs {

// Deletes the values of HKEY_CURRENT_USER's
// "Software\Microsoft\Windows\CurrentVersion\Run" whose text names, in any
// letter case, a file that one of log's TXUIDelFileItem records deletes
// (path macros expanded). A value that cannot be read or deleted is skipped;
// a missing key is left missing.
void RemoveRunValues(const TXUndo& log);

}  // namespace xs
