#include "ui/win32/window_class.h"

#include "ui/message_box.h"

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

HWND CreateChild(HWND parent, DWORD ex_style, const char* class_name, const std::string& text, DWORD style,
                 const TXRect& rect, int id, HFONT font) {
  HWND control = CreateWindowExA(ex_style, class_name, text.c_str(), WS_CHILD | style, rect.Left, rect.Top,
                                 rect.Width, rect.Height, parent, reinterpret_cast<HMENU>(static_cast<intptr_t>(id)),
                                 GetModuleHandleA(nullptr), nullptr);
  if (control) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

int RunModalLoop(HWND dialog, int& result) {
  MSG msg;
  while (result == 0) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
      result = mrCancel;
      break;
    }
    if (!IsDialogMessageA(dialog, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  return result;
}

}  // namespace xs
