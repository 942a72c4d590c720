#!/usr/bin/env bash
# Builds the program and starts it in the current working folder.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${SK_BUILD:-$here/build}
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"
if [ -x "$build/schichtkalender" ]; then
  exec "$build/schichtkalender"
fi
exec "$build/schichtplan" --from "$(date +%Y)-01-01" --to "$(date +%Y)-12-31" --format text
