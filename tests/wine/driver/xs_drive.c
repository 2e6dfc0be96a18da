/* xs-drive: drives the windows of another program as a user would, so that
   the tests under Wine can walk through the real dialogs. Win32 API only.

   xs-drive ACTION [WINDOW] [CONTROL] [OPTIONS]
   xs-drive script FILE        one action a line (arguments quoted as on a
                               command line, "#" starts a comment line; no
                               script in a script); stops at the first action
                               that does not end with 0, with its exit code

   WINDOW, a top-level window (the first that matches, front to back):
     --class NAME         its window class, exact, case ignored ("#32770")
     --caption TEXT       its caption, exact
     --caption-has TEXT   its caption contains TEXT
     --pid N              it belongs to process N
     --exe NAME           it belongs to a process started from NAME ("setup.exe")
     --hidden             hidden windows match too (else only visible ones)
     --timeout S          how long to wait for the window and the control,
                          in whole seconds (default 5; wait and gone: 10;
                          0 looks once, as list always does)
   CONTROL, a child window of it at any depth:
     --id N               its control id
     --text TEXT          its text, exact, "&" accelerators ignored: "Yes"
     --button TEXT        matches "&Yes"; --button is the same as --text
     --index N            the Nth (from 1) control of the kind the action
                          works on, in child-window order

   Actions:
     list                 the matching top-level windows (all by default)
     wait                 waits until the window is there; prints it
     gone                 waits until no window matches
     texts                the window, then each of its controls
     items CONTROL        the entries of a combo box or list box
     focus                the control that has the keyboard focus
     click CONTROL        presses a button: BM_CLICK, posted, so that a
                          modal box the click opens does not block the driver
     type CONTROL --value TEXT [--append]
                          types into an edit box: selects all (unless
                          --append), then one WM_CHAR per character, so the
                          box's own rules (read-only, limits) apply; an
                          empty TEXT deletes with Backspace; prints the box
     pick CONTROL --item TEXT
                          selects the entry of a combo box or list box whose
                          text is TEXT, then sends its parent the
                          notification a user's pick sends (CBN_SELCHANGE,
                          LBN_SELCHANGE)
     check CONTROL [--state 1|0]
                          clicks a check box until its state is the one
                          asked (default 1, ticked)
     key --key esc|enter|tab|space
                          posts WM_KEYDOWN and WM_KEYUP to the control that
                          has the focus, through the window's message loop,
                          so that a dialog's IsDialogMessage handles them;
                          after tab, prints the control that has the focus
     close                the close box: posts WM_SYSCOMMAND SC_CLOSE

   Acting on a control waits until it is visible and enabled, as a user
   would. Output: one line per window, control or entry, tab-separated
   key=value fields in a fixed order, the text last, in UTF-8, with
   backslash escapes (\\ \t \n \r \xHH) for what would break the line:
     window  hwnd=0x1A2B pid=N class=C visible=1 enabled=1 rect=L,T,R,B text=T
     control id=N class=C visible=1 enabled=1 focus=0 checked=- rect=L,T,R,B text=T
     item    index=N selected=0 text=T
   A window's rect is on the screen, a control's in the window's client
   area; checked is 0, 1 or 2 for check boxes and radio buttons, else "-".

   Exit codes: 0 done (wait: found; gone: gone), 1 not found (no window or
   control matched by the end of the timeout), 2 timed out (wait found
   nothing, gone still found the window), 3 usage error, 4 could not act
   (the control stayed disabled or hidden, no entry has that text, the box
   or check box did not take the input). */
#include "drive.h"

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>
#include <stdlib.h>
#include <wchar.h>

static int parse_number(const wchar_t* text, int* out) {
  wchar_t* end;
  long value = wcstol(text, &end, 10);
  if (!*text || *end || value < 0 || value > 0x7fffffff) return 0;
  *out = (int)value;
  return 1;
}

static int parse_options(int argc, wchar_t** argv, Options* o) {
  for (int i = 0; i < argc; ++i) {
    const wchar_t* name = argv[i];
    if (wcscmp(name, L"--hidden") == 0) {
      o->hidden = 1;
      continue;
    }
    if (wcscmp(name, L"--append") == 0) {
      o->append = 1;
      continue;
    }
    if (i + 1 >= argc) {
      fail("missing value or unknown option: ", name);
      return 0;
    }
    const wchar_t* value = argv[++i];
    int number = 0;
    if (wcscmp(name, L"--class") == 0) o->cls = value;
    else if (wcscmp(name, L"--caption") == 0) o->caption = value;
    else if (wcscmp(name, L"--caption-has") == 0) o->caption_has = value;
    else if (wcscmp(name, L"--exe") == 0) o->exe = value, o->by_pid = 1;
    else if (wcscmp(name, L"--text") == 0 || wcscmp(name, L"--button") == 0) o->text = value;
    else if (wcscmp(name, L"--value") == 0) o->value = value;
    else if (wcscmp(name, L"--item") == 0) o->item = value;
    else if (wcscmp(name, L"--key") == 0) o->key = value;
    else if (!parse_number(value, &number)) {
      fail("not a number: ", value);
      return 0;
    } else if (wcscmp(name, L"--pid") == 0) {
      o->pids[0] = (DWORD)number, o->pid_count = 1, o->by_pid = 1;
    } else if (wcscmp(name, L"--id") == 0) o->id = number;
    else if (wcscmp(name, L"--index") == 0) o->index = number;
    else if (wcscmp(name, L"--state") == 0) o->state = number;
    else if (wcscmp(name, L"--timeout") == 0) o->timeout = number;
    else {
      fail("unknown option: ", name);
      return 0;
    }
  }
  return 1;
}

typedef int (*Action)(Options*);

static int run_action(int argc, wchar_t** argv, int in_script);

/* One action a line; the first that fails ends the script with its code. */
static int do_script(const wchar_t* path) {
  HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
  if (file == INVALID_HANDLE_VALUE) {
    fail("cannot read the script ", path);
    return kUsage;
  }
  enum { kMaxScript = 1 << 20 };
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file, &size) || size.QuadPart > kMaxScript) {
    CloseHandle(file);
    fail("script too large: ", path);
    return kUsage;
  }
  char* bytes = malloc((size_t)size.QuadPart + 1);
  DWORD read = 0;
  BOOL ok = ReadFile(file, bytes, (DWORD)size.QuadPart, &read, NULL);
  CloseHandle(file);
  if (!ok) {
    free(bytes);
    fail("cannot read the script ", path);
    return kUsage;
  }
  int length = MultiByteToWideChar(CP_UTF8, 0, bytes, (int)read, NULL, 0);
  wchar_t* text = calloc((size_t)length + 1, sizeof *text);
  MultiByteToWideChar(CP_UTF8, 0, bytes, (int)read, text, length);
  free(bytes);
  int code = kDone, line_number = 0;
  for (wchar_t *line = text, *next; code == kDone && line; line = next) {
    next = wcschr(line, L'\n');
    if (next) *next++ = 0;
    ++line_number;
    size_t n = wcslen(line);
    if (n && line[n - 1] == L'\r') line[n - 1] = 0;
    while (*line == L' ' || *line == L'\t') ++line;
    if (!*line || *line == L'#') continue;
    /* CommandLineToArgvW takes its first word as the program's name. */
    wchar_t* command = calloc(wcslen(line) + 4, sizeof *command);
    wcscpy(command, L"x ");
    wcscat(command, line);
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(command, &argc);
    code = argv ? run_action(argc - 1, argv + 1, 1) : kUsage;
    if (code != kDone) fprintf(stderr, "xs-drive: script line %d ended with %d\n", line_number, code);
    LocalFree(argv);
    free(command);
  }
  free(text);
  return code;
}

static int run_action(int argc, wchar_t** argv, int in_script) {
  static const struct {
    const wchar_t* name;
    Action action;
    double timeout;
  } actions[] = {{L"list", do_list, 0},   {L"wait", do_wait, 10},   {L"gone", do_gone, 10},
                 {L"texts", do_texts, 5}, {L"items", do_items, 5},  {L"focus", do_focus, 5},
                 {L"click", do_click, 5}, {L"type", do_type, 5},    {L"pick", do_pick, 5},
                 {L"check", do_check, 5}, {L"key", do_key, 5},      {L"close", do_close, 5}};
  if (argc < 1) {
    fail("usage: xs-drive ACTION [OPTIONS] (see the top of xs_drive.c)", NULL);
    return kUsage;
  }
  if (wcscmp(argv[0], L"script") == 0) {
    if (argc != 2 || in_script) {
      fail("usage: xs-drive script FILE", NULL);
      return kUsage;
    }
    return do_script(argv[1]);
  }
  for (size_t i = 0; i < sizeof actions / sizeof actions[0]; ++i) {
    if (wcscmp(argv[0], actions[i].name) != 0) continue;
    Options o = {0};
    o.state = 1;
    o.timeout = actions[i].timeout;
    if (!parse_options(argc - 1, argv + 1, &o)) return kUsage;
    return actions[i].action(&o);
  }
  fail("unknown action: ", argv[0]);
  return kUsage;
}

int main(void) {
  /* Lines end in "\n" alone, whatever the console does. */
  _setmode(_fileno(stdout), _O_BINARY);
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  int code = argv ? run_action(argc - 1, argv + 1, 0) : kUsage;
  fflush(stdout);
  return code;
}
