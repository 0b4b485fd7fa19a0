#!/usr/bin/env bash
# Sets up what is missing, builds everything with AddressSanitizer and UBSan, and runs every
# test; tests that need a display run on a virtual X display. Then fuzzes each parser briefly.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake --preset asan >/dev/null
cmake --build --preset asan
export ZUK_QUIET_DISPLAY=1
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-xcb}"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$PWD/tests/lsan.supp:print_suppressions=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
unset DISPLAY WAYLAND_DISPLAY
log=build/asan/ctest-summary.log
./scripts/with-display.sh ctest --test-dir build/asan --output-on-failure -j2 "$@" | tee "$log"
# With no selection of tests, a few seconds of each fuzz target too (a clang build of its own,
# in build/fuzz); the tests' summary then closes the output again.
if [ $# -eq 0 ]; then
  ./fuzz/run.sh 5
  grep -E 'tests passed|tests failed' "$log" | tail -n 1
fi
