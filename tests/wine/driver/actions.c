/* The actions of xs-drive: what a user does to a window, done through the
   messages the system sends for it. */
#include "drive.h"

#include <stdlib.h>
#include <wchar.h>

static LRESULT send(HWND hwnd, UINT message, WPARAM w, LPARAM l, int* ok) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(hwnd, message, w, l, SMTO_ABORTIFHUNG, kMessageTimeoutMs, &result)) *ok = 0;
  return (LRESULT)result;
}

/* Brings the window to the front, as the user's click or key would. Under
   Wine without a window manager that always works; where the system
   refuses, the posted input reaches the window all the same. */
static void activate(HWND top) { SetForegroundWindow(top); }

int do_list(Options* o) { return print_windows(o) ? kDone : kNotFound; }

int do_wait(Options* o) {
  DWORD start = GetTickCount();
  for (;;) {
    HWND top = find_window(o);
    if (top) {
      print_window(top);
      return kDone;
    }
    if (timed_out(start, o->timeout)) return kTimedOut;
    Sleep(kPollMs);
  }
}

int do_gone(Options* o) {
  DWORD start = GetTickCount();
  for (;;) {
    HWND top = find_window(o);
    if (!top) return kDone;
    if (timed_out(start, o->timeout)) {
      print_window(top);
      return kTimedOut;
    }
    Sleep(kPollMs);
  }
}

int do_texts(Options* o) {
  HWND top, control;
  int code = find_target(o, kAnyControl, 0, &top, &control);
  if (code != kDone) return code;
  print_window(top);
  print_controls(top);
  return kDone;
}

/* The entries of a combo box or list box: count, length and text messages,
   which the system carries across processes for these classes. */
typedef struct {
  UINT count, length, text, current;
} ListMessages;

static ListMessages list_messages(HWND list) {
  if (is_class(list, L"ListBox")) return (ListMessages){LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT, LB_GETCURSEL};
  return (ListMessages){CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT, CB_GETCURSEL};
}

static wchar_t* entry_text(HWND list, ListMessages m, int index) {
  int ok = 1;
  LRESULT length = send(list, m.length, (WPARAM)index, 0, &ok);
  if (!ok || length < 0) length = 0;
  wchar_t* text = calloc((size_t)length + 2, sizeof *text);
  if (length) send(list, m.text, (WPARAM)index, (LPARAM)text, &ok);
  return text;
}

int do_items(Options* o) {
  HWND top, list;
  int code = find_target(o, kLists, 1, &top, &list);
  if (code != kDone) return code;
  ListMessages m = list_messages(list);
  int ok = 1;
  int count = (int)send(list, m.count, 0, 0, &ok);
  int current = (int)send(list, m.current, 0, 0, &ok);
  for (int i = 0; ok && i < count; ++i) {
    wchar_t* text = entry_text(list, m, i);
    printf("item\tindex=%d\tselected=%d\ttext=", i, i == current ? 1 : 0);
    put_utf8(stdout, text);
    fputs("\n", stdout);
    free(text);
  }
  return ok ? kDone : kCannotAct;
}

int do_focus(Options* o) {
  HWND top, control;
  int code = find_target(o, kAnyControl, 0, &top, &control);
  if (code != kDone) return code;
  HWND focus = focus_of(top);
  if (!focus || (focus != top && !IsChild(top, focus))) {
    fail("no control of the window has the focus", NULL);
    return kNotFound;
  }
  if (focus == top) print_window(top);
  else print_control(top, focus);
  return kDone;
}

int do_click(Options* o) {
  HWND top, button;
  int code = find_target(o, kButtons, 1, &top, &button);
  if (code != kDone) return code;
  activate(top);
  return PostMessageW(button, BM_CLICK, 0, 0) ? kDone : kCannotAct;
}

int do_type(Options* o) {
  HWND top, edit;
  if (!o->value) {
    fail("type needs --value TEXT", NULL);
    return kUsage;
  }
  int code = find_target(o, kEdits, 1, &top, &edit);
  if (code != kDone) return code;
  activate(top);
  int ok = 1;
  if (o->append) {
    LRESULT end = send(edit, WM_GETTEXTLENGTH, 0, 0, &ok);
    send(edit, EM_SETSEL, (WPARAM)end, end, &ok);
  } else {
    send(edit, EM_SETSEL, 0, -1, &ok);
  }
  if (!o->append && !o->value[0]) send(edit, WM_CHAR, VK_BACK, 1, &ok);
  for (const wchar_t* c = o->value; ok && *c; ++c) send(edit, WM_CHAR, *c, 1, &ok);
  print_control(top, edit);
  if (!ok) return kCannotAct;
  /* A password box hides its text from other programs. */
  if (o->append || (GetWindowLongW(edit, GWL_STYLE) & ES_PASSWORD)) return kDone;
  wchar_t* text = window_text(edit);
  int taken = wcscmp(text, o->value) == 0;
  free(text);
  if (!taken) fail("the box did not take the text as typed", NULL);
  return taken ? kDone : kCannotAct;
}

int do_pick(Options* o) {
  HWND top, list;
  if (!o->item) {
    fail("pick needs --item TEXT", NULL);
    return kUsage;
  }
  int code = find_target(o, kLists, 1, &top, &list);
  if (code != kDone) return code;
  ListMessages m = list_messages(list);
  int ok = 1;
  int count = (int)send(list, m.count, 0, 0, &ok);
  int found = -1;
  for (int i = 0; ok && found < 0 && i < count; ++i) {
    wchar_t* text = entry_text(list, m, i);
    if (wcscmp(text, o->item) == 0) found = i;
    free(text);
  }
  if (found < 0) {
    fail("no entry reads ", o->item);
    return kCannotAct;
  }
  activate(top);
  int is_combo = m.count == CB_GETCOUNT;
  send(list, is_combo ? CB_SETCURSEL : LB_SETCURSEL, (WPARAM)found, 0, &ok);
  if (!ok) return kCannotAct;
  /* A list box tells its parent of a pick only with LBS_NOTIFY. */
  if (!is_combo && !(GetWindowLongW(list, GWL_STYLE) & LBS_NOTIFY)) return kDone;
  /* Sent without waiting for the answer, as the parent may open a modal
     window in its handler; it still comes before any posted input. */
  WORD notification = is_combo ? CBN_SELCHANGE : LBN_SELCHANGE;
  return SendNotifyMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), notification), (LPARAM)list)
             ? kDone
             : kCannotAct;
}

int do_check(Options* o) {
  HWND top, box;
  int code = find_target(o, kButtons, 1, &top, &box);
  if (code != kDone) return code;
  if (check_state(box) < 0) {
    fail("not a check box or radio button", NULL);
    print_control(top, box);
    return kUsage;
  }
  activate(top);
  /* A three-state box may take two clicks; the program may also refuse. */
  for (int click = 0; click < 3 && check_state(box) != o->state; ++click) {
    PostMessageW(box, BM_CLICK, 0, 0);
    DWORD start = GetTickCount();
    int before = check_state(box);
    while (check_state(box) == before && !timed_out(start, 2.0)) Sleep(kPollMs);
  }
  print_control(top, box);
  if (check_state(box) == o->state) return kDone;
  fail("the check box did not take the state asked", NULL);
  return kCannotAct;
}

static void post_key(HWND target, UINT vk) {
  LPARAM scan = (LPARAM)MapVirtualKeyW(vk, MAPVK_VK_TO_VSC) << 16;
  PostMessageW(target, WM_KEYDOWN, vk, scan | 1);
  PostMessageW(target, WM_KEYUP, vk, scan | 1 | (1u << 30) | (1u << 31));
}

int do_key(Options* o) {
  static const struct {
    const wchar_t* name;
    UINT vk;
  } keys[] = {{L"esc", VK_ESCAPE}, {L"enter", VK_RETURN}, {L"tab", VK_TAB}, {L"space", VK_SPACE}};
  UINT vk = 0;
  for (size_t i = 0; o->key && i < sizeof keys / sizeof keys[0]; ++i)
    if (_wcsicmp(o->key, keys[i].name) == 0) vk = keys[i].vk;
  if (!vk) {
    fail("key needs --key esc, enter, tab or space", NULL);
    return kUsage;
  }
  HWND top, control;
  int code = find_target(o, kAnyControl, 0, &top, &control);
  if (code != kDone) return code;
  activate(top);
  HWND before = focus_of(top);
  /* Input goes to the focus; the message loop hands it to IsDialogMessage
     of a dialog-like window, which turns Esc and Enter into its commands. */
  HWND target = before && (before == top || IsChild(top, before)) ? before : top;
  post_key(target, vk);
  if (vk != VK_TAB) return kDone;
  DWORD start = GetTickCount();
  while (focus_of(top) == before && !timed_out(start, 2.0)) Sleep(kPollMs);
  return do_focus(o);
}

int do_close(Options* o) {
  HWND top, control;
  int code = find_target(o, kAnyControl, 0, &top, &control);
  if (code != kDone) return code;
  return PostMessageW(top, WM_SYSCOMMAND, SC_CLOSE, 0) ? kDone : kCannotAct;
}

