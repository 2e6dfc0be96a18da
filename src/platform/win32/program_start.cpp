// Linked into every Windows program (cmake/WindowsProgram.cmake), beside
// program.rc's manifest.
#include <windows.h>

namespace {

// A program started from a folder full of other downloads must never load a
// DLL from its own folder or the current one. The first act of the process,
// before every other static initialiser and main: from here on every DLL
// that is not already loaded comes from System32 alone. The program's
// imports name only DLLs of the system's KnownDLLs list, which never come
// from anywhere else. (Windows 7 has the call with update KB2533623.)
__attribute__((constructor(101))) void RestrictDllSearchToSystem32() {
  SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

}  // namespace
