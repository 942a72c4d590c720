#!/usr/bin/env bash
# Builds everything and runs every test: unit and end-to-end tests, the core's
# unit tests once more under AddressSanitizer and UndefinedBehaviorSanitizer,
# and each fuzz target for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${SK_BUILD:-build}
jobs=$(nproc)
export GDK_BACKEND=x11 NO_AT_BRIDGE=1 DBUS_SESSION_BUS_ADDRESS=disabled: GDK_GL=disable

echo "== build and run all tests"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j"$jobs"
ctest --test-dir "$build" --output-on-failure -j"$jobs"

if [ "${SK_QUICK:-0}" = 1 ]; then exit 0; fi

echo "== tests under ASan and UBSan"
# The whole program is built this way and the end-to-end tests drive the
# instrumented window (SK_ASAN_GUI=0 keeps it to the core and its tests).
# Leaks the toolkit's libraries keep for the life of the process are
# suppressed by library (scripts/lsan-toolkit.supp),
# never our own code; libfaketime is preloaded by the end-to-end scripts, ahead
# of the ASan runtime.
gui=ON
[ "${SK_ASAN_GUI:-1}" = 0 ] && gui=OFF
cmake -S . -B "$build-asan" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSK_SANITIZE=ON -DSK_BUILD_BENCH=OFF \
      -DSK_BUILD_GUI=$gui
cmake --build "$build-asan" -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:verify_asan_link_order=0 \
LSAN_OPTIONS="suppressions=$PWD/scripts/lsan-toolkit.supp:print_suppressions=0" \
UBSAN_OPTIONS=print_stacktrace=1 \
  timeout "${SK_ASAN_SECONDS:-2400}" ctest --test-dir "$build-asan" --output-on-failure -j"$jobs" --timeout 600

if ls fuzz/*_fuzz.cpp >/dev/null 2>&1; then
  echo "== fuzz targets"
  CXX=clang++ cmake -S . -B "$build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSK_FUZZ=ON \
        -DSK_BUILD_GUI=OFF -DSK_BUILD_TESTS=OFF -DSK_BUILD_BENCH=OFF
  cmake --build "$build-fuzz" -j"$jobs"
  secs=${SK_FUZZ_SECONDS:-20}
  for f in fuzz/*_fuzz.cpp; do
    name=$(basename "$f" .cpp)
    corpus="$build-fuzz/corpus-$name"
    mkdir -p "$corpus"
    seeds=()
    [ -d "fuzz/seeds/$name" ] && seeds=("fuzz/seeds/$name")
    echo "-- $name for ${secs}s"
    "$build-fuzz/fuzz/$name" -max_total_time="$secs" -print_final_stats=0 "$corpus" "${seeds[@]}" 2>&1 | tail -n 3
  done
fi
