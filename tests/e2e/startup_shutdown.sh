#!/usr/bin/env bash
# zuk starts from a copy in a folder of its own, shows its window, and at Ctrl+X writes back its
# default playlist "zuk.zul" (or keeps it: Shift held, or a read-only "zuk.ini").
set -euo pipefail
source "$(dirname "$0")/lib.sh"
new_app "$1"
# The caption alone, or the opened file's path before it once the player has reported opening.
main_title='(^| - )Tavrin MediaPlayer$'

# run_zuk [--as-nobody] [ARGS...]: starts zuk, waits for its window, ends it with Ctrl+X (with
# Shift held when SHIFT=1).
run_zuk() {
  local prefix=()
  if [ "${1:-}" = --as-nobody ]; then
    prefix=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    shift
  fi
  "${prefix[@]}" "$app/zuk" "$@" >"$work/zuk.log" 2>&1 &
  local pid=$!
  local window
  window=$(wait_window "$main_title" "$pid") || { cat "$work/zuk.log" >&2; fail "no main window"; }
  if [ "${SHIFT:-0}" = 1 ]; then
    # Through the menu, since Ctrl+Shift+X is no shortcut of the item: a click opens the file
    # menu, then Shift+X picks its "&X" item with Shift still down.
    focus "$window"
    xdotool mousemove --window "$window" 20 10 click 1
    sleep 0.5
    xdotool keydown shift
    press_until_exit "$pid" "$window" x || { xdotool keyup shift; cat "$work/zuk.log" >&2; fail "zuk failed"; }
    xdotool keyup shift
  else
    press_until_exit "$pid" "$window" ctrl+x || { cat "$work/zuk.log" >&2; fail "zuk failed"; }
  fi
}

# An empty playlist is written as an empty file.
run_zuk
expect_file "$app/zuk.zul" "" "empty playlist"

# A playlist of three lines comes back unchanged after a restart.
printf '/m/a.mp3\r\n/m/b c.wav\r\n/m/\xe6\x9b\xb2.avi\r\n' >"$app/zuk.zul"
run_zuk
run_zuk
expect_file "$app/zuk.zul" '/m/a.mp3\r\n/m/b c.wav\r\n/m/\xe6\x9b\xb2.avi\r\n' "three lines after two runs"

# A file on the command line replaces the playlist, and is saved...
run_zuk /m/new.avi
expect_file "$app/zuk.zul" '/m/new.avi\r\n' "command-line file saved"
# ...unless Shift is held while the player ends.
SHIFT=1 run_zuk /m/other.avi
expect_file "$app/zuk.zul" '/m/new.avi\r\n' "Shift held keeps the old playlist"

# A read-only settings file freezes both files (as a user without privileges: root writes
# through permission bits).
if [ "$(id -u)" = 0 ]; then
  chown -R nobody:nogroup "$app" "$XDG_RUNTIME_DIR"
  printf 'old settings\r\n' >"$app/zuk.ini"
  chown nobody:nogroup "$app/zuk.ini"
  chmod 444 "$app/zuk.ini"
  run_zuk --as-nobody /m/changed.avi
  expect_file "$app/zuk.zul" '/m/new.avi\r\n' "read-only zuk.ini keeps zuk.zul"
  expect_file "$app/zuk.ini" 'old settings\r\n' "read-only zuk.ini stays"
fi
