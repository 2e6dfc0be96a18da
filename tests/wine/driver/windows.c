/* Finding the windows of other programs and reading them as a user reads
   them, and the lines xs-drive prints for them. */
#include "drive.h"

#include <stdlib.h>
#include <string.h>
#include <tlhelp32.h>
#include <wchar.h>

/* TEXT in UTF-8 with the escapes that keep it on one line. */
void put_utf8(FILE* out, const wchar_t* text) {
  for (const wchar_t* p = text; *p; ++p) {
    wchar_t c = *p;
    if (c == L'\\' || c < 0x20 || c == 0x7f) {
      if (c == L'\\') fputs("\\\\", out);
      else if (c == L'\t') fputs("\\t", out);
      else if (c == L'\n') fputs("\\n", out);
      else if (c == L'\r') fputs("\\r", out);
      else fprintf(out, "\\x%02X", (unsigned)c);
      continue;
    }
    int units = (c >= 0xD800 && c <= 0xDBFF && p[1] >= 0xDC00 && p[1] <= 0xDFFF) ? 2 : 1;
    char bytes[8];
    int n = WideCharToMultiByte(CP_UTF8, 0, p, units, bytes, sizeof bytes, NULL, NULL);
    fwrite(bytes, 1, (size_t)n, out);
    p += units - 1;
  }
}

/* Messages go to stderr: stdout holds only the lines described above. */
void fail(const char* what, const wchar_t* detail) {
  fputs("xs-drive: ", stderr);
  fputs(what, stderr);
  if (detail) put_utf8(stderr, detail);
  fputs("\n", stderr);
}

/* ---- reading windows ----------------------------------------------------- */

/* The text of a window of another process: WM_GETTEXT, which the system
   carries across processes, bounded in time so a hung program cannot hang
   the driver. The caller frees it. */
wchar_t* window_text(HWND hwnd) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeoutMs, &length)) length = 0;
  wchar_t* text = calloc(length + 2, sizeof *text);
  DWORD_PTR copied = 0;
  if (length && SendMessageTimeoutW(hwnd, WM_GETTEXT, length + 1, (LPARAM)text, SMTO_ABORTIFHUNG,
                                    kMessageTimeoutMs, &copied))
    text[copied] = 0;
  return text;
}

static void class_of(HWND hwnd, wchar_t* cls, int size) {
  if (!GetClassNameW(hwnd, cls, size)) cls[0] = 0;
}

int is_class(HWND hwnd, const wchar_t* name) {
  wchar_t cls[256];
  class_of(hwnd, cls, 256);
  return _wcsicmp(cls, name) == 0;
}

/* A text as a user reads it on a button or label: "&&" is "&", a single "&"
   only underlines the next letter. */
static void strip_accelerators(const wchar_t* text, wchar_t* out) {
  for (; *text; ++text) {
    if (*text == L'&') {
      if (text[1] != L'&') continue;
      ++text;
    }
    *out++ = *text;
  }
  *out = 0;
}

static int text_matches(HWND hwnd, const wchar_t* wanted) {
  wchar_t* text = window_text(hwnd);
  wchar_t* shown = calloc(wcslen(text) + 1, sizeof *shown);
  wchar_t* want = calloc(wcslen(wanted) + 1, sizeof *want);
  strip_accelerators(text, shown);
  strip_accelerators(wanted, want);
  int same = wcscmp(shown, want) == 0;
  free(text);
  free(shown);
  free(want);
  return same;
}

int check_state(HWND control) {
  LONG type = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
  if (!is_class(control, L"Button")) return -1;
  if (type != BS_CHECKBOX && type != BS_AUTOCHECKBOX && type != BS_3STATE && type != BS_AUTO3STATE &&
      type != BS_RADIOBUTTON && type != BS_AUTORADIOBUTTON)
    return -1;
  DWORD_PTR state = 0;
  SendMessageTimeoutW(control, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeoutMs, &state);
  return (int)state;
}

HWND focus_of(HWND top) {
  GUITHREADINFO info = {.cbSize = sizeof info};
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(top, NULL), &info)) return NULL;
  return info.hwndFocus;
}

void print_window(HWND hwnd) {
  wchar_t cls[256], caption[1024];
  RECT r = {0};
  DWORD pid = 0;
  class_of(hwnd, cls, 256);
  /* The caption the system keeps: no message, so a hung window still lists. */
  if (!InternalGetWindowText(hwnd, caption, 1024)) caption[0] = 0;
  GetWindowRect(hwnd, &r);
  GetWindowThreadProcessId(hwnd, &pid);
  printf("window\thwnd=0x%llX\tpid=%lu\tclass=", (unsigned long long)(UINT_PTR)hwnd, pid);
  put_utf8(stdout, cls);
  printf("\tvisible=%d\tenabled=%d\trect=%ld,%ld,%ld,%ld\ttext=", IsWindowVisible(hwnd) ? 1 : 0,
         IsWindowEnabled(hwnd) ? 1 : 0, r.left, r.top, r.right, r.bottom);
  put_utf8(stdout, caption);
  fputs("\n", stdout);
}

void print_control(HWND top, HWND control) {
  wchar_t cls[256];
  RECT r = {0};
  class_of(control, cls, 256);
  GetWindowRect(control, &r);
  MapWindowPoints(NULL, top, (POINT*)&r, 2);
  printf("control\tid=%d\tclass=", GetDlgCtrlID(control));
  put_utf8(stdout, cls);
  printf("\tvisible=%d\tenabled=%d\tfocus=%d\tchecked=", IsWindowVisible(control) ? 1 : 0,
         IsWindowEnabled(control) ? 1 : 0, focus_of(top) == control ? 1 : 0);
  int state = check_state(control);
  if (state < 0) fputs("-", stdout);
  else printf("%d", state);
  printf("\trect=%ld,%ld,%ld,%ld\ttext=", r.left, r.top, r.right, r.bottom);
  wchar_t* text = window_text(control);
  put_utf8(stdout, text);
  free(text);
  fputs("\n", stdout);
}

/* ---- finding windows ----------------------------------------------------- */

static int pid_wanted(const Options* o, DWORD pid) {
  if (!o->by_pid) return 1;
  for (int i = 0; i < o->pid_count; ++i)
    if (o->pids[i] == pid) return 1;
  return 0;
}

/* --exe: the processes started from that program file, looked up anew on
   every try since the program may start while the driver waits. */
static void find_pids(Options* o) {
  if (!o->exe) return;
  o->pid_count = 0;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return;
  PROCESSENTRY32W entry = {.dwSize = sizeof entry};
  for (BOOL more = Process32FirstW(snapshot, &entry); more && o->pid_count < kMaxPids;
       more = Process32NextW(snapshot, &entry)) {
    const wchar_t* name = wcsrchr(entry.szExeFile, L'\\');
    name = name ? name + 1 : entry.szExeFile;
    if (_wcsicmp(name, o->exe) == 0) o->pids[o->pid_count++] = entry.th32ProcessID;
  }
  CloseHandle(snapshot);
}

static int window_matches(const Options* o, HWND hwnd) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (!pid_wanted(o, pid)) return 0;
  if (!o->hidden && !IsWindowVisible(hwnd)) return 0;
  if (o->cls && !is_class(hwnd, o->cls)) return 0;
  if (o->caption || o->caption_has) {
    wchar_t caption[1024];
    if (!InternalGetWindowText(hwnd, caption, 1024)) caption[0] = 0;
    if (o->caption && wcscmp(caption, o->caption) != 0) return 0;
    if (o->caption_has && !wcsstr(caption, o->caption_has)) return 0;
  }
  return 1;
}

typedef struct {
  const Options* options;
  HWND found;
  int print;  /* list: print every match instead of stopping at the first */
  int count;
} WindowSearch;

static BOOL CALLBACK on_top_window(HWND hwnd, LPARAM param) {
  WindowSearch* s = (WindowSearch*)param;
  if (!window_matches(s->options, hwnd)) return TRUE;
  ++s->count;
  if (s->print) {
    print_window(hwnd);
    return TRUE;
  }
  s->found = hwnd;
  return FALSE;
}

static WindowSearch search_windows(Options* o, int print) {
  find_pids(o);
  WindowSearch s = {o, NULL, print, 0};
  EnumWindows(on_top_window, (LPARAM)&s);
  return s;
}

HWND find_window(Options* o) { return search_windows(o, 0).found; }

static int is_kind(HWND control, ControlKind kind) {
  wchar_t cls[256];
  class_of(control, cls, 256);
  switch (kind) {
    case kButtons: return _wcsicmp(cls, L"Button") == 0;
    case kEdits: return _wcsicmp(cls, L"Edit") == 0 || _wcsnicmp(cls, L"RichEdit", 8) == 0;
    case kLists: return _wcsicmp(cls, L"ComboBox") == 0 || _wcsicmp(cls, L"ListBox") == 0;
    default: return 1;
  }
}

typedef struct {
  const Options* options;
  ControlKind kind;
  HWND top;
  HWND found;
  int seen;
  int print;  /* texts: print every control */
} ControlSearch;

static BOOL CALLBACK on_control(HWND control, LPARAM param) {
  ControlSearch* s = (ControlSearch*)param;
  const Options* o = s->options;
  if (s->print) {
    print_control(s->top, control);
    return TRUE;
  }
  if (!is_kind(control, s->kind)) return TRUE;
  ++s->seen;
  if (o->id && GetDlgCtrlID(control) != o->id) return TRUE;
  if (o->index && s->seen != o->index) return TRUE;
  if (o->text && !text_matches(control, o->text)) return TRUE;
  s->found = control;
  return FALSE;
}

static HWND find_control(const Options* o, HWND top, ControlKind kind) {
  ControlSearch s = {o, kind, top, NULL, 0, 0};
  EnumChildWindows(top, on_control, (LPARAM)&s);
  return s.found;
}

static int has_control_selector(const Options* o) { return o->id || o->index || o->text; }

static int usable(HWND control) { return IsWindowVisible(control) && IsWindowEnabled(control); }

int timed_out(DWORD start, double timeout) {
  return (double)(GetTickCount() - start) >= timeout * 1000.0;
}

/* Waits for the window and, with NEED_CONTROL, for its control of KIND that
   the control selector names to be there and usable. Returns kDone with *top (and
   *control) set, or the exit code that tells why not. */
int find_target(Options* o, ControlKind kind, int need_control, HWND* top, HWND* control) {
  if (need_control && !has_control_selector(o)) {
    fail("this action needs --id, --text, --button or --index", NULL);
    return kUsage;
  }
  DWORD start = GetTickCount();
  for (;;) {
    *top = find_window(o);
    *control = (*top && need_control) ? find_control(o, *top, kind) : NULL;
    if (*top && (!need_control || (*control && usable(*control)))) return kDone;
    if (timed_out(start, o->timeout)) break;
    Sleep(kPollMs);
  }
  if (!*top) {
    fail("no window matches", NULL);
    return kNotFound;
  }
  if (!*control) {
    fail("no control matches in the window", NULL);
    return kNotFound;
  }
  fail("the control stays disabled or hidden", NULL);
  print_control(*top, *control);
  return kCannotAct;
}

/* Prints the matching top-level windows; returns how many there are. */
int print_windows(Options* o) { return search_windows(o, 1).count; }

void print_controls(HWND top) {
  Options none = {0};
  ControlSearch s = {&none, kAnyControl, top, NULL, 0, 1};
  EnumChildWindows(top, on_control, (LPARAM)&s);
}
