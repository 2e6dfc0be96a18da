// The system's common controls (progress bar, tree view). comctl32 is no
// KnownDLL: imported, it would be looked for in the program's folder
// first, so it is loaded from System32 when a control is first made.
#pragma once

#include <windows.h>

namespace xs {

// Registers the classes of icc (ICC_* flags); false when the library or
// the registration fails.
bool InitCommonControlClasses(DWORD icc);

}  // namespace xs
