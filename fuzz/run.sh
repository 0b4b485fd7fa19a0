#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for the given number of seconds (default 600),
# starting from its seed corpus in fuzz/seeds/<target>/ and keeping what it finds in
# build/fuzz/corpus/<target>/.  ./fuzz/run.sh 5 is the short run that ./test.sh makes.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"
./scripts/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz >/dev/null
for exe in build/fuzz/fuzz/*_fuzz; do
  [ -x "$exe" ] || continue
  name=$(basename "$exe")
  corpus="build/fuzz/corpus/$name"
  mkdir -p "$corpus"
  seeds=()
  [ -d "fuzz/seeds/$name" ] && seeds=("fuzz/seeds/$name")
  echo "== $name: ${seconds}s"
  "$exe" -max_total_time="$seconds" -print_final_stats=1 "$corpus" "${seeds[@]}" 2>&1 |
    grep -E '^(stat::number_of_executed_units|stat::new_units_added|==[0-9]+==ERROR|SUMMARY)' || true
  [ "${PIPESTATUS[0]}" -eq 0 ] || { echo "$name found a failure" >&2; exit 1; }
done
