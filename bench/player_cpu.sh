#!/usr/bin/env bash
# CPU time and peak memory of the player control playing a 10-second video, against the mpv
# player on the same file with the same output settings (OpenGL on the software renderer,
# no sound device, the picture at its own size), measured in turns in one run. The control
# must stay within 1.2 x mpv's CPU time. Needs the bench build (bench/run.sh makes it).
set -euo pipefail
cd "$(dirname "$0")/.."
play=build/bench/bench/player_play
[ -x "$play" ] || { echo "player_cpu: build the benchmarks first (cmake --build --preset bench)" >&2; exit 2; }
rounds="${ROUNDS:-3}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

ffmpeg -nostdin -loglevel error -f lavfi -i testsrc2=size=640x360:rate=30:duration=10 \
  -f lavfi -i sine=frequency=440:duration=10 -c:v libx264 -pix_fmt yuv420p -c:a aac -shortest "$work/clip.mp4"

# Prints "cpu-seconds peak-kilobytes" of one command.
measure() {
  /usr/bin/time -f '%U %S %M' -o "$work/time" "$@" >/dev/null 2>&1 || { echo "player_cpu: failed: $*" >&2; exit 1; }
  awk '{ printf "%.2f %d\n", $1 + $2, $3 }' "$work/time"
}

run_all() {
  for _ in $(seq "$rounds"); do
    echo "control $(measure "$play" "$work/clip.mp4")"
    echo "mpv $(measure mpv --no-config --gpu-sw=yes --vo=gpu --ao=null --hwdec=no --osc=no --osd-level=0 \
      --really-quiet "$work/clip.mp4")"
  done
}
export -f measure run_all
export play work rounds
ZUK_QUIET_DISPLAY=1 ./scripts/with-display.sh bash -c run_all >"$work/results"

# Median of each over the rounds.
median() { grep "^$1 " "$work/results" | awk "{ print \$$2 }" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
control_cpu=$(median control 2); mpv_cpu=$(median mpv 2)
control_mem=$(median control 3); mpv_mem=$(median mpv 3)
ratio=$(awk -v a="$control_cpu" -v b="$mpv_cpu" 'BEGIN { printf "%.2f", a / b }')
printf 'playing a 10 s 640x360 30 fps H.264 video, median of %s rounds\n' "$rounds"
printf '  %-8s CPU %6.2f s   peak memory %7d KB\n' control "$control_cpu" "$control_mem" mpv "$mpv_cpu" "$mpv_mem"
printf '  control / mpv CPU: %s (goal: at most 1.2)\n' "$ratio"
awk -v r="$ratio" 'BEGIN { exit !(r <= 1.2) }' || { echo "player_cpu: GOAL MISSED" >&2; exit 1; }
