/* What the parts of xs-drive share (see xs_drive.c for what it does). */
#ifndef XS_DRIVE_H
#define XS_DRIVE_H

#include <windows.h>
#include <stdio.h>

enum { kDone = 0, kNotFound = 1, kTimedOut = 2, kUsage = 3, kCannotAct = 4 };
enum { kMessageTimeoutMs = 5000, kPollMs = 50, kMaxPids = 64 };

typedef struct {
  const wchar_t* cls;
  const wchar_t* caption;
  const wchar_t* caption_has;
  const wchar_t* exe;
  DWORD pids[kMaxPids];
  int pid_count;
  int by_pid;
  int hidden;
  int id;
  int index;
  const wchar_t* text;
  const wchar_t* value;
  const wchar_t* item;
  const wchar_t* key;
  int state;
  int append;
  double timeout;
} Options;

/* The kinds of control each action works on, for --index. */
typedef enum { kAnyControl, kButtons, kEdits, kLists } ControlKind;

/* windows.c: finding and reading windows, printing their lines. */
void put_utf8(FILE* out, const wchar_t* text);
void fail(const char* what, const wchar_t* detail);
wchar_t* window_text(HWND hwnd);
int is_class(HWND hwnd, const wchar_t* name);
int check_state(HWND control);
HWND focus_of(HWND top);
void print_window(HWND hwnd);
void print_control(HWND top, HWND control);
int print_windows(Options* o);
void print_controls(HWND top);
HWND find_window(Options* o);
int timed_out(DWORD start, double timeout);
int find_target(Options* o, ControlKind kind, int need_control, HWND* top, HWND* control);

/* actions.c: one function per action, each returning the exit code. */
int do_list(Options* o);
int do_wait(Options* o);
int do_gone(Options* o);
int do_texts(Options* o);
int do_items(Options* o);
int do_focus(Options* o);
int do_click(Options* o);
int do_type(Options* o);
int do_pick(Options* o);
int do_check(Options* o);
int do_key(Options* o);
int do_close(Options* o);

#endif
