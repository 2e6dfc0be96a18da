#!/usr/bin/env bash
# xs-drive.exe drives target.exe through every action; each action is
# checked through what the target logs, its exit code and what the driver
# prints, and the driver's exit codes for windows and controls that are
# missing, disabled or hidden are checked too. Leaves a screenshot of the
# target with its message box open in WORK_DIR/target.png.
# Usage: driver_test.sh WORK_DIR WINE_DIR XS_DRIVE TARGET
set -u
work=$1 wine_dir=$2 drive=$3 target=$4
. "$(dirname "$0")/drive.sh"
windows_path() { run winepath -w "$1" 2>/dev/null | tr -d '\r'; }

target_window=(--class XsDriveTarget --caption "Driver Target")
question=(--class "#32770" --caption Question)

# has_line LINE: the driver's last output holds LINE exactly.
has_line() { grep -qxF -- "$1" <<<"$out" || fail "no line '$1' in: $out"; }

# start NAME: starts the target logging to NAME.log and waits for its window.
start() {
  log="$work/$1.log"
  run "$target" "$(windows_path "$log")" &
  target_pid=$!
  drive 0 wait "${target_window[@]}"
}
# logged LINE: the target logs LINE within 10 seconds.
logged() {
  for _ in $(seq 100); do grep -qxF -- "$1" "$log" 2>/dev/null && return 0; sleep 0.1; done
  fail "the target did not log '$1': $(cat "$log" 2>&1)"
}
# ends CODE: the target ends with CODE, its window gone.
ends() {
  wait "$target_pid"
  local rc=$?
  [ "$rc" = "$1" ] || fail "the target ended with $rc, not $1: $(cat "$log" 2>&1)"
  [ "$(tail -n 1 "$log")" = "exit $1" ] || fail "the target's log does not end with 'exit $1': $(cat "$log" 2>&1)"
  drive 0 gone "${target_window[@]}" --timeout 5
}

# --- Reading: the window, its controls and a combo box's entries ------------
start main
[[ "$out" =~ ^window${tab}hwnd=0x[0-9A-F]+${tab}pid=([0-9]+)${tab}class=XsDriveTarget${tab}visible=1${tab}enabled=1${tab}rect=100,100,480,380${tab}text=Driver\ Target$ ]] ||
  fail "wait: $out"
pid=${BASH_REMATCH[1]:-0}
window_line=$out
drive 0 list --exe target.exe
[ "$out" = "$window_line" ] || fail "list --exe target.exe: $out"
drive 0 wait --pid "$pid" --caption-has "Target" --timeout 0
[ "$out" = "$window_line" ] || fail "wait --pid $pid --caption-has: $out"
drive 0 texts "${target_window[@]}"
[ "$(head -n 1 <<<"$out")" = "$window_line" ] || fail "texts: the first line is not the window's: $out"
control() { echo "control${tab}id=$1${tab}class=$2${tab}visible=$3${tab}enabled=$4${tab}focus=$5${tab}checked=$6${tab}rect=$7${tab}text=$8"; }
has_line "$(control 201 Edit 1 1 1 - 90,12,310,36 '')"
has_line "$(control 202 ComboBox 1 1 0 - 90,46,310,67 English)"
has_line "$(control 203 Button 1 1 0 0 90,82,310,104 '&Remember this choice')"
has_line "$(control 101 Button 1 1 0 - 12,130,92,158 '&Yes')"
has_line "$(control 104 Button 1 0 0 - 276,130,356,158 '&Later')"
has_line "$(control 105 Button 0 1 0 - 12,170,92,198 Secret)"
has_line "$(control 204 ListBox 1 1 0 - 188,170,356,230 '')"
[ "$(grep -c '^control' <<<"$out")" = 11 ] || fail "texts: not 11 controls: $out"
drive 0 items "${target_window[@]}" --index 1
[ "$out" = "item${tab}index=0${tab}selected=1${tab}text=English
item${tab}index=1${tab}selected=0${tab}text=Deutsch
item${tab}index=2${tab}selected=0${tab}text=Français
item${tab}index=3${tab}selected=0${tab}text=Русский" ] || fail "items: $out"

drive 0 items "${target_window[@]}" --id 204
[ "$out" = "item${tab}index=0${tab}selected=0${tab}text=Program files
item${tab}index=1${tab}selected=0${tab}text=Help
item${tab}index=2${tab}selected=0${tab}text=Samples" ] || fail "list box items: $out"

# --- Acting: typing, picking, ticking, keys ---------------------------------
drive 0 type "${target_window[@]}" --id 201 --value "draft"
drive 0 type "${target_window[@]}" --index 1 --value 'héllo wörld'
has_line "$(control 201 Edit 1 1 1 - 90,12,310,36 'héllo wörld')"
drive 0 type "${target_window[@]}" --id 201 --value ' \ "x"' --append
has_line "$(control 201 Edit 1 1 1 - 90,12,310,36 'héllo wörld \\ "x"')"
drive 0 pick "${target_window[@]}" --id 202 --item Français
logged "combo Français"
drive 0 pick "${target_window[@]}" --index 2 --item Help
logged "list Help"
drive 0 items "${target_window[@]}" --id 204
has_line "item${tab}index=1${tab}selected=1${tab}text=Help"
drive 0 texts "${target_window[@]}"
has_line "$(control 202 ComboBox 1 1 0 - 90,46,310,67 Français)"
drive 0 check "${target_window[@]}" --button "Remember this choice"
has_line "$(control 203 Button 1 1 1 1 90,82,310,104 '&Remember this choice')"
logged "check 1"
drive 0 check "${target_window[@]}" --id 203 --state 0
logged "check 0"
drive 0 check "${target_window[@]}" --text "&Remember this choice" --state 1
[ "$(grep -c '^check' "$log")" = 3 ] || fail "check: not three clicks: $(cat "$log")"
# Tab walks the tab order from the check box the clicks focused, past the
# disabled button, to the list box, past the hidden button, back to the edit
# box.
drive 0 focus "${target_window[@]}"
has_line "$(control 203 Button 1 1 1 1 90,82,310,104 '&Remember this choice')"
for id in 101 102 103 204 201 202; do
  drive 0 key "${target_window[@]}" --key tab
  [[ "$out" =~ ^control${tab}id=$id${tab}.*${tab}focus=1${tab} ]] || fail "tab: the focus is not on $id: $out"
done

# A message box the click opens: the driver does not wait for it to close.
drive 0 click "${target_window[@]}" --button "Ask..."
drive 0 wait "${question[@]}"
drive 0 texts "${question[@]}"
grep -q "^control${tab}id=65535${tab}class=Static${tab}visible=1${tab}.*${tab}text=Keep the changes?$" <<<"$out" ||
  fail "the message box's text: $out"
grep -q "^control${tab}id=7${tab}class=Button${tab}visible=1${tab}enabled=1${tab}.*${tab}text=&No$" <<<"$out" ||
  fail "the message box's No button: $out"
"$wine_scripts/screenshot.sh" "$(cat "$wine_dir/display")" "$work/target.png" || fail "no screenshot"
drive 0 click "${question[@]}" --button No
drive 0 gone "${question[@]}"
logged "ask no"
for check in "esc|ask cancel" "enter|ask yes"; do
  drive 0 click "${target_window[@]}" --id 103
  drive 0 key "${question[@]}" --key "${check%%|*}"
  drive 0 gone "${question[@]}"
  logged "${check#*|}"
done

# --- Exit codes: missing, disabled and hidden, bad usage --------------------
drive 4 click "${target_window[@]}" --button Later --timeout 1
has_line "$(control 104 Button 1 0 0 - 276,130,356,158 '&Later')"
drive 4 click "${target_window[@]}" --button Secret --timeout 0
drive 1 click "${target_window[@]}" --button Nope --timeout 0
drive 1 texts --class XsDriveTarget --caption "Driver" --timeout 0
drive 1 list --exe no-such-program.exe
start_time=$(date +%s%N)
drive 2 wait --class NoSuchWindow --timeout 2
elapsed=$((($(date +%s%N) - start_time) / 1000000))
[ "$elapsed" -ge 2000 ] || fail "wait --timeout 2 gave up after $elapsed ms"
drive 2 gone "${target_window[@]}" --timeout 1
drive 4 pick "${target_window[@]}" --id 202 --item Klingon
drive 3 check "${target_window[@]}" --id 101
drive 3 click "${target_window[@]}"
drive 3 type "${target_window[@]}" --id 201
drive 3 key "${target_window[@]}" --key F1
drive 3 frob
grep -q "unknown action: frob" "$work/driver-messages.txt" || fail "no message for an unknown action"

# --- A script of actions: it stops at the first that fails ------------------
cat >"$work/actions.txt" <<'EOF'
# the edit box, then a button that is not there
type --class XsDriveTarget --id 201 --value "from a script"

click --class XsDriveTarget --button "Nope" --timeout 0
close --class XsDriveTarget
EOF
drive 1 script "$(windows_path "$work/actions.txt")"
grep -q "script line 4 ended with 1" "$work/driver-messages.txt" || fail "script: no message for line 4"
drive 0 click "${target_window[@]}" --button Yes
ends 6
for line in "click yes" "edit from a script" "checked 1"; do grep -qxF "$line" "$log" || fail "main: no '$line' in the log"; done

# --- Each way out: a button by id, Esc, Enter, the close box ----------------
for check in "no|click --id 102|7|click no" "esc|key --key esc|2|esc" "enter|key --key enter|1|enter" \
             "close|close|3|close"; do
  IFS='|' read -r name action code line <<<"$check"
  start "$name"
  # shellcheck disable=SC2086  # the action's words
  drive 0 $action "${target_window[@]}"
  ends "$code"
  grep -qxF "$line" "$log" || fail "$name: no '$line' in the log: $(cat "$log")"
done

[ "$failures" -eq 0 ] && echo "all driver checks passed"
[ "$failures" -eq 0 ]
