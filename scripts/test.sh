#!/usr/bin/env bash
# Builds everything and runs every test (unit, end-to-end, sanitizer, fuzz).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${SK_BUILD:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j"$(nproc)"
export GDK_BACKEND=x11 NO_AT_BRIDGE=1 DBUS_SESSION_BUS_ADDRESS=disabled: GDK_GL=disable
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
