/* Hello Notes: the sample application the example installer delivers.
   A small window that shows the text file installed beside it. */
#include <windows.h>
#include <stdio.h>

static char g_text[4096] = "Welcome to Hello Notes.";

static void LoadNotes(void) {
  char path[MAX_PATH];
  DWORD n = GetModuleFileNameA(NULL, path, sizeof path);
  char *slash = strrchr(path, '\\');
  if (n == 0 || !slash) return;
  strcpy(slash + 1, "notes.txt");
  FILE *f = fopen(path, "rb");
  if (!f) return;
  size_t got = fread(g_text, 1, sizeof g_text - 1, f);
  g_text[got] = 0;
  fclose(f);
}

static LRESULT CALLBACK WndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(wnd, &ps);
    RECT r;
    GetClientRect(wnd, &r);
    InflateRect(&r, -12, -12);
    DrawTextA(dc, g_text, -1, &r, DT_WORDBREAK);
    EndPaint(wnd, &ps);
    return 0;
  }
  if (msg == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(wnd, msg, wp, lp);
}

int WINAPI WinMain(HINSTANCE inst, HINSTANCE prev, LPSTR cmd, int show) {
  /* "/demo" comes from the installer's demo mode; "/quit" closes at once
     (used by the automated tests). */
  if (strstr(cmd, "/quit")) return 0;
  LoadNotes();
  WNDCLASSA wc = {0};
  wc.lpfnWndProc = WndProc;
  wc.hInstance = inst;
  wc.hCursor = LoadCursor(NULL, IDC_ARROW);
  wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
  wc.lpszClassName = "HelloNotesWindow";
  RegisterClassA(&wc);
  HWND wnd = CreateWindowA("HelloNotesWindow", strstr(cmd, "/demo") ? "Hello Notes (demo)" : "Hello Notes",
                           WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 480, 320, NULL, NULL, inst, NULL);
  ShowWindow(wnd, show);
  MSG m;
  while (GetMessageA(&m, NULL, 0, 0) > 0) {
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
  return 0;
}
