/* The window the driver's test drives (driver_test.sh): an edit box, a combo
   box, a list box, a check box and buttons in a window whose message loop hands input
   to IsDialogMessage, as a dialog's does; one button opens a message box.
   target.exe LOG writes what the user did to LOG in UTF-8, one line per
   event, and the final state when the window ends:
     combo TEXT | list TEXT | check 0|1 | click yes|no | ask yes|no|cancel | enter | esc
     | close, then edit TEXT, checked 0|1, exit N
   The exit code tells how the window ended: 6 Yes, 7 No, 1 Enter (IDOK),
   2 Esc (IDCANCEL), 3 the close box. */
#include <windows.h>
#include <shellapi.h>
#include <stdio.h>

enum { kName = 201, kLanguage = 202, kRemember = 203, kYes = 101, kNo = 102, kAsk = 103, kLater = 104, kSecret = 105,
       kParts = 204 };
enum { kExitClose = 3 };

static FILE* log_file;
static HWND main_window;

static void log_line(const wchar_t* what, const wchar_t* text) {
  char bytes[1024];
  WideCharToMultiByte(CP_UTF8, 0, what, -1, bytes, sizeof bytes, NULL, NULL);
  fputs(bytes, log_file);
  if (text) {
    WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes, sizeof bytes, NULL, NULL);
    fputs(" ", log_file);
    fputs(bytes, log_file);
  }
  fputs("\n", log_file);
  fflush(log_file);
}

static void end(int code) {
  wchar_t text[512];
  GetDlgItemTextW(main_window, kName, text, 512);
  log_line(L"edit", text);
  log_line(L"checked", IsDlgButtonChecked(main_window, kRemember) ? L"1" : L"0");
  swprintf(text, 512, L"%d", code);
  log_line(L"exit", text);
  DestroyWindow(main_window);
  PostQuitMessage(code);
}

static HWND add(const wchar_t* cls, const wchar_t* text, DWORD style, int id, int x, int y, int w, int h) {
  HWND control = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, main_window,
                                 (HMENU)(INT_PTR)id, GetModuleHandleW(NULL), NULL);
  SendMessageW(control, WM_SETFONT, (WPARAM)GetStockObject(DEFAULT_GUI_FONT), FALSE);
  return control;
}

static void create_controls(void) {
  add(L"Static", L"&Name:", 0, -1, 12, 16, 70, 20);
  add(L"Edit", L"", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, kName, 90, 12, 220, 24);
  add(L"Static", L"&Language:", 0, -1, 12, 50, 70, 20);
  HWND combo = add(L"ComboBox", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, kLanguage, 90, 46, 220, 150);
  static const wchar_t* languages[] = {L"English", L"Deutsch", L"Fran\u00e7ais",
                                       L"\u0420\u0443\u0441\u0441\u043a\u0438\u0439"};
  for (int i = 0; i < 4; ++i) SendMessageW(combo, CB_ADDSTRING, 0, (LPARAM)languages[i]);
  SendMessageW(combo, CB_SETCURSEL, 0, 0);
  add(L"Button", L"&Remember this choice", BS_AUTOCHECKBOX | WS_TABSTOP, kRemember, 90, 82, 220, 22);
  add(L"Button", L"&Yes", BS_PUSHBUTTON | WS_TABSTOP, kYes, 12, 130, 80, 28);
  add(L"Button", L"&No", BS_PUSHBUTTON | WS_TABSTOP, kNo, 100, 130, 80, 28);
  add(L"Button", L"&Ask...", BS_PUSHBUTTON | WS_TABSTOP, kAsk, 188, 130, 80, 28);
  add(L"Button", L"&Later", BS_PUSHBUTTON | WS_TABSTOP | WS_DISABLED, kLater, 276, 130, 80, 28);
  HWND parts = add(L"ListBox", L"", WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, kParts,
                   188, 170, 168, 60);
  static const wchar_t* names[] = {L"Program files", L"Help", L"Samples"};
  for (int i = 0; i < 3; ++i) SendMessageW(parts, LB_ADDSTRING, 0, (LPARAM)names[i]);
  HWND secret = add(L"Button", L"Secret", BS_PUSHBUTTON, kSecret, 12, 170, 80, 28);
  ShowWindow(secret, SW_HIDE);
}

/* Logs the entry of a combo box or list box that the user picked, through
   the box's messages for the current entry, its length and its text. */
static void log_pick(const wchar_t* what, HWND box, UINT current, UINT length, UINT get) {
  wchar_t text[256] = L"";
  LRESULT index = SendMessageW(box, current, 0, 0);
  if (index >= 0 && SendMessageW(box, length, (WPARAM)index, 0) < 256)
    SendMessageW(box, get, (WPARAM)index, (LPARAM)text);
  log_line(what, text);
}

static void on_command(int id, int notification, HWND control) {
  if (id == kLanguage && notification == CBN_SELCHANGE) {
    log_pick(L"combo", control, CB_GETCURSEL, CB_GETLBTEXTLEN, CB_GETLBTEXT);
  } else if (id == kParts && notification == LBN_SELCHANGE) {
    log_pick(L"list", control, LB_GETCURSEL, LB_GETTEXTLEN, LB_GETTEXT);
  } else if (id == kRemember && notification == BN_CLICKED) {
    log_line(L"check", IsDlgButtonChecked(main_window, kRemember) ? L"1" : L"0");
  } else if (id == kYes) {
    log_line(L"click", L"yes");
    end(IDYES);
  } else if (id == kNo) {
    log_line(L"click", L"no");
    end(IDNO);
  } else if (id == kAsk) {
    int answer = MessageBoxW(main_window, L"Keep the changes?", L"Question", MB_YESNOCANCEL | MB_ICONQUESTION);
    log_line(L"ask", answer == IDYES ? L"yes" : answer == IDNO ? L"no" : L"cancel");
  } else if (id == kLater || id == kSecret) {
    log_line(L"click", L"a control no user can reach");
  } else if (id == IDOK && !control) {
    log_line(L"enter", NULL);
    end(IDOK);
  } else if (id == IDCANCEL && !control) {
    log_line(L"esc", NULL);
    end(IDCANCEL);
  }
}

static LRESULT CALLBACK window_proc(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_COMMAND:
      on_command(LOWORD(w), HIWORD(w), (HWND)l);
      return 0;
    case WM_CLOSE:
      log_line(L"close", NULL);
      end(kExitClose);
      return 0;
    default:
      return DefWindowProcW(hwnd, message, w, l);
  }
}

int main(void) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  log_file = argc > 1 ? _wfopen(argv[1], L"wb") : stdout;
  if (!log_file) return 100;
  WNDCLASSW cls = {0};
  cls.lpfnWndProc = window_proc;
  cls.hInstance = GetModuleHandleW(NULL);
  cls.hCursor = LoadCursorW(NULL, (LPCWSTR)IDC_ARROW);
  cls.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
  cls.lpszClassName = L"XsDriveTarget";
  RegisterClassW(&cls);
  main_window = CreateWindowExW(WS_EX_CONTROLPARENT, L"XsDriveTarget", L"Driver Target",
                                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 100, 100, 380, 280, NULL,
                                NULL, cls.hInstance, NULL);
  if (!main_window) return 101;
  create_controls();
  ShowWindow(main_window, SW_SHOW);
  SetFocus(GetDlgItem(main_window, kName));
  MSG msg;
  while (GetMessageW(&msg, NULL, 0, 0) > 0) {
    if (IsDialogMessageW(main_window, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return (int)msg.wParam;
}
