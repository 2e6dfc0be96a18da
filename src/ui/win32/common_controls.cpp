#include "ui/win32/common_controls.h"

#include <commctrl.h>

#include "platform/win32/system_library.h"

namespace xs {

bool InitCommonControlClasses(DWORD icc) {
  using InitFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  static const InitFn init = [] {
    HMODULE dll = LoadSystemLibrary("comctl32.dll");
    return dll ? SystemFunction<InitFn>(dll, "InitCommonControlsEx") : nullptr;
  }();
  const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), icc};
  return init && init(&classes);
}

}  // namespace xs
