/* Holds a named mutex for a while, as a running application does:
   hold_mutex.exe NAME SECONDS */
#include <stdlib.h>
#include <windows.h>

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  HANDLE mutex = CreateMutexA(NULL, TRUE, argv[1]);
  if (!mutex) return 1;
  Sleep((DWORD)atoi(argv[2]) * 1000);
  CloseHandle(mutex);
  return 0;
}
