// DLLs the Windows services load at run time.
#pragma once

#include <windows.h>

namespace xs {

// Loads the system DLL name (e.g. "version.dll") from the System32 folder
// alone, never from the program's folder: a program started from a folder
// of downloads must not run a planted copy. The module stays loaded for the
// whole process. On failure returns null with GetLastError set.
HMODULE LoadSystemLibrary(const char* name);

// The address of the function named function in module, as the function
// pointer type Fn; null when the module lacks it.
template <class Fn>
Fn SystemFunction(HMODULE module, const char* function) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, function)));
}

}  // namespace xs
