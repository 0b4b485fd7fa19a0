#!/usr/bin/env bash
# The list window of zuk: shown from the main window's menu, a double-click on an entry gives
# it to the player (through the wrapper file, since its name holds "mp3"), and the Delete key
# removes the selected entry, which the saved default playlist shows.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
new_app "$1"

for i in $(seq -w 0 299); do printf '/m/%s song.mp3\r\n' "$i"; done >"$app/zuk.zul"

"$app/zuk" >"$work/zuk.log" 2>&1 &
pid=$!
main=$(wait_window '^Tavrin MediaPlayer$') || { cat "$work/zuk.log" >&2; fail "no main window"; }
list=$(press_until_window "$main" ctrl+l '^Tavrin MediaPlayer - List$') || fail "the list window did not show"

# A double-click somewhat below the top of the list: one of the first entries plays.
sleep 0.5
xdotool mousemove --window "$list" 60 60 click --repeat 2 --delay 80 1
wrapper="$XDG_RUNTIME_DIR/zuk/zuk1.asx"
for _ in $(seq 50); do [ -s "$wrapper" ] && break; sleep 0.1; done
played=$(sed -n 's/^<Ref href = "\(.*\)" \/>\r$/\1/p' "$wrapper" 2>/dev/null || true)
[[ "$played" =~ ^/m/00[0-9]\ song\.mp3$ ]] || fail "the double-click played [$played]"

# The played entry is the selected one; the Delete key removes it.
xdotool key Delete
sleep 0.3
press_until_exit "$pid" "$main" ctrl+x || { cat "$work/zuk.log" >&2; fail "zuk failed"; }
grep -q "^$played"$'\r'"\$" "$app/zuk.zul" && fail "the deleted entry [$played] was saved"
[ "$(wc -l <"$app/zuk.zul")" = 299 ] || fail "expected 299 entries, found $(wc -l <"$app/zuk.zul")"
echo "played and deleted $played"
