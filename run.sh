#!/usr/bin/env bash
# Sets up what is missing, builds zuk (release) and starts it with the given arguments.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
exec ./scripts/with-display.sh ./build/release/src/zuk "$@"
