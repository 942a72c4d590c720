#!/usr/bin/env bash
# Builds everything and runs every test: unit and end-to-end tests, the core's
# unit tests once more under AddressSanitizer and UndefinedBehaviorSanitizer,
# and each fuzz target for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${SK_BUILD:-build}
jobs=$(nproc)
export GDK_BACKEND=x11 NO_AT_BRIDGE=1 DBUS_SESSION_BUS_ADDRESS=disabled: GDK_GL=disable

# Seconds of each phase, printed at the end (also when a phase fails), so a
# run that grows toward CI's time limit shows where.
phases=()
phase_start=$SECONDS
phase_name=""
phase() {
  if [ -n "$phase_name" ]; then
    phases+=("$(printf '%-22s %5d s' "$phase_name" $((SECONDS - phase_start)))")
  fi
  phase_name=$1; phase_start=$SECONDS
  if [ -n "$1" ]; then echo "== $1"; fi
}
report_phases() {
  local rc=$?
  phase ""
  echo "== seconds per phase"
  printf '  %s\n' "${phases[@]}"
  printf '  %-22s %5d s\n' total "$SECONDS"
  exit $rc
}
trap report_phases EXIT

phase "build"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j"$jobs"
phase "tests"
ctest --test-dir "$build" --output-on-failure -j"$jobs"

if [ "${SK_QUICK:-0}" = 1 ]; then exit 0; fi

phase "ASan/UBSan build"
# The whole program is built this way and the end-to-end tests drive the
# instrumented window (SK_ASAN_GUI=0 keeps it to the core and its tests).
gui=ON
[ "${SK_ASAN_GUI:-1}" = 0 ] && gui=OFF
cmake -S . -B "$build-asan" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSK_SANITIZE=ON -DSK_BUILD_BENCH=OFF \
      -DSK_BUILD_GUI=$gui
cmake --build "$build-asan" -j"$jobs"
phase "ASan/UBSan tests"
source scripts/sanitizer-env.sh
timeout "${SK_ASAN_SECONDS:-2400}" ctest --test-dir "$build-asan" --output-on-failure -j"$jobs" --timeout 600

if ls fuzz/*_fuzz.cpp >/dev/null 2>&1; then
  phase "fuzz build"
  CXX=clang++ cmake -S . -B "$build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSK_FUZZ=ON \
        -DSK_BUILD_GUI=OFF -DSK_BUILD_TESTS=OFF -DSK_BUILD_BENCH=OFF
  cmake --build "$build-fuzz" -j"$jobs"
  phase "fuzz runs"
  # One target a core at a time; a finding fails the run with the whole
  # report (input and stack) shown.
  fuzz_one() {
    local name=$1 dir=$2 secs=$3 seeds=()
    mkdir -p "$dir/corpus-$name"
    [ -d "fuzz/seeds/$name" ] && seeds=("fuzz/seeds/$name")
    if "$dir/fuzz/$name" -max_total_time="$secs" -print_final_stats=1 "$dir/corpus-$name" "${seeds[@]}" \
         >"$dir/$name.log" 2>&1; then
      echo "-- $name: $(awk '/number_of_executed_units/ {print $2}' "$dir/$name.log") runs in $secs s"
    else
      echo "-- $name found a fault:"; cat "$dir/$name.log"; return 1
    fi
  }
  export -f fuzz_one
  for f in fuzz/*_fuzz.cpp; do basename "$f" .cpp; done |
    xargs -P "$jobs" -I{} bash -c 'fuzz_one "$@"' _ {} "$build-fuzz" "${SK_FUZZ_SECONDS:-20}"
fi
