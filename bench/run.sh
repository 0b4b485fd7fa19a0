#!/usr/bin/env bash
# Builds (optimised) and runs every benchmark of bench/. Each reports its figures next to a
# peer or a physical limit measured in the same run. Extra arguments go to every Google
# Benchmark executable (for example --benchmark_filter=...).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake --preset bench >/dev/null
cmake --build --preset bench
for exe in build/bench/bench/*_bench; do
  [ -x "$exe" ] || continue
  echo "== $(basename "$exe")"
  "$exe" "$@"
done
for script in bench/*.sh; do
  [ "$(basename "$script")" = run.sh ] && continue
  echo "== $(basename "$script")"
  "$script"
done
