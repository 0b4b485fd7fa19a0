#!/usr/bin/env bash
# bindra beside a copy of zuk: shows its twenty toggles, links ".mp3" on "設定" (Enter) into the
# user's classes.reg, shows it pressed at the next start, gives the type back when released,
# writes nothing on Esc, refuses to run without zuk, and is started from zuk's menu (Ctrl+K).
set -euo pipefail
source "$(dirname "$0")/lib.sh"
bindra_binary=$1
zuk_binary=$2

new_app "$zuk_binary"
cp "$bindra_binary" "$app/bindra"
registry="$XDG_CONFIG_HOME/zuk/classes.reg"
title='^TavrinMediaPlayerの関連付け$'

# Places in the dialog, in pixels at 15 twips a pixel (96 DPI, as under Xvfb): the centre of
# the toggle of ".mp3" (row 2, column 5) and of ".wav" (row 1, column 1).
mp3_x=252 mp3_y=61
wav_x=26 wav_y=34

# start_bindra FOLDER: starts the tool from FOLDER and waits for its window; sets pid and window.
start_bindra() {
  "$1/bindra" >"$work/bindra.log" 2>&1 &
  pid=$!
  window=$(wait_window "$title") || { cat "$work/bindra.log" >&2; fail "no window of bindra"; }
}

# click X Y: a click into the dialog.
click() {
  focus "$window"
  xdotool mousemove --window "$window" "$1" "$2" click 1
  sleep 0.3
}

finish() {
  press_until_exit "$pid" "$window" "$1" || { cat "$work/bindra.log" >&2; fail "bindra failed"; }
}

# The player's file type and the command as written for this folder, and the extension keys
# that exist: the key-less extensions get an empty key, the system knows the others' types.
expected() {
  printf 'REGEDIT4\r\n'
  printf '\r\n[HKEY_CLASSES_ROOT\\.dat]\r\n'
  printf '\r\n[HKEY_CLASSES_ROOT\\.mp3]\r\n@="%s"\r\n"korvane.bak"="audio/mpeg"\r\n' "$1"
  printf '\r\n[HKEY_CLASSES_ROOT\\.rv]\r\n'
  printf '\r\n[HKEY_CLASSES_ROOT\\.zul]\r\n'
  printf '\r\n[HKEY_CLASSES_ROOT\\korvane]\r\n@="マルチメディアファイル"\r\n'
  printf '\r\n[HKEY_CLASSES_ROOT\\korvane\\DefaultIcon]\r\n@="%s/zuk,0"\r\n' "$app"
  printf '\r\n[HKEY_CLASSES_ROOT\\korvane\\Shell]\r\n@="TavrinMediaPlayer"\r\n'
  printf '\r\n[HKEY_CLASSES_ROOT\\korvane\\Shell\\TavrinMediaPlayer]\r\n'
  printf '\r\n[HKEY_CLASSES_ROOT\\korvane\\Shell\\TavrinMediaPlayer\\Command]\r\n@="\\"%s/zuk\\" %%1"\r\n' "$app"
}

expect_registry() {
  diff <(expected "$1") "$registry" >&2 || fail "$2"
}

grep -qE '^audio/mpeg\s.*\bmp3\b' /etc/mime.types || fail "/etc/mime.types does not know mp3"

# Press ".mp3", then Enter: "設定" is the default button.
start_bindra "$app"
import -window root "$work/first-start.png"
click $mp3_x $mp3_y
finish Return
expect_registry korvane "linked .mp3"

# The next start shows ".mp3" pressed: applied unchanged, the file stays as it is.
start_bindra "$app"
import -window root "$work/second-start.png"
finish Return
expect_registry korvane ".mp3 shown pressed at the next start"

# Esc after changes writes nothing.
start_bindra "$app"
click $wav_x $wav_y
click $mp3_x $mp3_y
finish Escape
expect_registry korvane "Esc wrote nothing"

# Released, ".mp3" gets its former type back; the saved one stays.
start_bindra "$app"
click $mp3_x $mp3_y
finish Return
expect_registry audio/mpeg "released .mp3"

# Without zuk in its folder: only the error message, then the end, nothing written.
lonely="$work/lonely"
mkdir "$lonely"
cp "$bindra_binary" "$lonely/bindra"
rm "$registry"
start_bindra "$lonely"
import -window root "$work/without-zuk.png"
[ "$(xdotool search --onlyvisible --pid "$pid" | wc -l)" = 1 ] || fail "more than the message is shown"
finish Return
[ ! -e "$registry" ] || fail "bindra without zuk wrote the registry"

# zuk's menu item "関連付けの設定" (Ctrl+K) starts the tool from zuk's folder.
"$app/zuk" >"$work/zuk.log" 2>&1 &
zuk_pid=$!
zuk_window=$(wait_window '^Tavrin MediaPlayer$') || { cat "$work/zuk.log" >&2; fail "no main window"; }
window=$(press_until_window "$zuk_window" ctrl+k "$title") || fail "Ctrl+K in zuk did not start bindra"
pid=$(xdotool getwindowpid "$window")
[ "$(readlink "/proc/$pid/exe")" = "$app/bindra" ] || fail "zuk started another bindra"
focus "$window"
xdotool key Escape
for _ in $(seq 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "bindra started by zuk did not end on Esc"
press_until_exit "$zuk_pid" "$zuk_window" ctrl+x || { cat "$work/zuk.log" >&2; fail "zuk failed"; }
