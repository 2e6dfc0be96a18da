#include "platform/win32/system_library.h"

namespace xs {

HMODULE LoadSystemLibrary(const char* name) { return LoadLibraryExA(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32); }

}  // namespace xs
