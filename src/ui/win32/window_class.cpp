#include "ui/win32/window_class.h"

namespace xs {

bool RegisterProgramClass(const char* name, WNDPROC proc, int background) {
  WNDCLASSA wc{};
  if (GetClassInfoA(GetModuleHandleA(nullptr), name, &wc)) return true;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<intptr_t>(background + 1));
  wc.lpszClassName = name;
  return RegisterClassA(&wc) != 0;
}

}  // namespace xs
