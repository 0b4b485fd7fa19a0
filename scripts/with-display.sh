#!/usr/bin/env bash
# Runs a command with an X display: the caller's own when there is one, otherwise a virtual
# Xvfb display that lives as long as the command.
set -euo pipefail

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$@"
fi

display_number=$(( 90 + RANDOM % 400 ))
while [ -e "/tmp/.X${display_number}-lock" ]; do display_number=$(( display_number + 1 )); done
Xvfb ":${display_number}" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true' EXIT
for _ in $(seq 50); do
  [ -e "/tmp/.X11-unix/X${display_number}" ] && break
  sleep 0.1
done
export DISPLAY=":${display_number}"
[ -n "${ZUK_QUIET_DISPLAY:-}" ] || echo "no display found: running on the virtual X display $DISPLAY (Xvfb)" >&2
"$@"
