# Helpers for the end-to-end scripts: start a program from a copy in a folder, find its window,
# act on it with xdotool, end it. Needs DISPLAY (./test.sh runs ctest under Xvfb).

fail() { echo "FAIL: $*" >&2; exit 1; }

# expect_file FILE EXPECTED_BYTES MESSAGE
expect_file() {
  local actual
  actual=$(od -An -c "$1" 2>/dev/null || echo "<missing>")
  local expected
  expected=$(printf '%b' "$2" | od -An -c)
  [ "$actual" = "$expected" ] || fail "$3: $1 holds [$actual], expected [$expected]"
}

# wait_window NAME_REGEX [PID]: prints the id of the first visible window whose name matches
# (of that process only, when PID is given: a window another test left behind may match too).
wait_window() {
  local id="" of_pid=()
  [ -n "${2:-}" ] && of_pid=(--pid "$2")
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible "${of_pid[@]}" --name "$1" 2>/dev/null | head -n 1) || true
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# wait_exit PID [SECONDS]: waits for the process to end (default 20 s); gives its exit status.
wait_exit() {
  for _ in $(seq $(( ${2:-20} * 10 ))); do
    kill -0 "$1" 2>/dev/null || { wait "$1"; return $?; }
    sleep 0.1
  done
  return 124
}

# press_until_exit PID WINDOW KEYS: focuses the window and presses the keys until the process
# ends (a window that has just appeared may not take keys yet); fails after 20 s.
press_until_exit() {
  local status
  for _ in $(seq 10); do
    focus "$2"
    xdotool key "$3"
    wait_exit "$1" 2 && return 0
    status=$?
    [ "$status" = 124 ] || return "$status"
  done
  kill -9 "$1" 2>/dev/null
  fail "process $1 did not end"
}

# focus WINDOW: gives the window the keyboard focus (no window manager runs under Xvfb).
focus() {
  xdotool windowfocus --sync "$1" 2>/dev/null || true
  sleep 0.3
}

# new_app ZUK_BINARY: a folder of its own for one test with a copy of zuk in "$app", a private
# runtime folder and configuration folder; removed at the end unless KEEP_WORK is set.
new_app() {
  work=$(mktemp -d)
  trap '[ -n "${KEEP_WORK:-}" ] || rm -rf "$work"' EXIT
  chmod 755 "$work"
  app="$work/app"
  mkdir "$app"
  cp "$1" "$app/zuk"
  export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
}

# window_name WINDOW: the window's title, or nothing when it is gone.
window_name() { xdotool getwindowname "$1" 2>/dev/null || true; }

# press_until_window WINDOW KEYS TITLE_REGEX: focuses the window and presses the keys until a
# window whose name matches shows (the first keys may come before the window takes them);
# prints its id, or fails after ten tries.
press_until_window() {
  local shown
  for _ in $(seq 10); do
    focus "$1"
    xdotool key "$2"
    shown=$(wait_window "$3") && { echo "$shown"; return 0; }
  done
  return 1
}
