/* The helper library of Hello Notes: a second versioned file in the
   example package. */
#include <windows.h>

__declspec(dllexport) int HelloNotesVersion(void) { return 0x0102; }

BOOL WINAPI DllMain(HINSTANCE inst, DWORD reason, LPVOID reserved) { return TRUE; }
