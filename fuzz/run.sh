#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for the given number of seconds (default 600),
# starting from its seed corpus in fuzz/seeds/<target>/ and keeping what it finds in
# build/fuzz/corpus/<target>/.  ./fuzz/run.sh 5 is the short run that ./test.sh makes.
# Each target's whole output goes to build/fuzz/<target>.log and a crashing input to
# build/fuzz/artifacts/; the exit status is 1 when any target failed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"
./scripts/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzz_targets >/dev/null
mkdir -p build/fuzz/artifacts
failed=0
for exe in build/fuzz/fuzz/*_fuzz; do
  [ -x "$exe" ] || continue
  name=$(basename "$exe")
  corpus="build/fuzz/corpus/$name"
  log="build/fuzz/$name.log"
  mkdir -p "$corpus"
  seeds=()
  [ -d "fuzz/seeds/$name" ] && seeds=("fuzz/seeds/$name")
  status=0
  "$exe" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="build/fuzz/artifacts/$name-" "$corpus" "${seeds[@]}" >"$log" 2>&1 ||
    status=$?
  runs=$(sed -n 's/^Done \([0-9]*\) runs in \([0-9]*\) second.*/\1 executions in \2 s/p' "$log")
  added=$(sed -n 's/^stat::new_units_added: *//p' "$log")
  if [ "$status" -eq 0 ]; then
    echo "== $name: ${runs:-no summary}, ${added:-0} new corpus units, no failure"
  else
    failed=1
    echo "== $name FAILED (exit $status); the end of $log:" >&2
    tail -n 40 "$log" >&2
  fi
done
exit "$failed"
