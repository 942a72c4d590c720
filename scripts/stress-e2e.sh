#!/usr/bin/env bash
# Runs the end-to-end scripts again and again, to show they do not fail by
# chance: rounds of the whole suite alone, beside two busy loops (a load of 2
# on a 2-core machine), or as two copies of the suite side by side. Not run
# by CI; each round takes minutes.
#
#   scripts/stress-e2e.sh [-b build] [-n rounds] [-m alone|load|pair|all]
#                         [-t 'script regex'] [-j parallel scripts]
#
# -b build-asan runs the sanitized program (with the options scripts/test.sh
# gives it). Each failure's output is kept in <build>/stress-e2e/.
set -uo pipefail
cd "$(dirname "$0")/.."
build=build rounds=5 mode=all filter=. jobs=$(nproc)
while getopts "b:n:m:t:j:" opt; do
  case $opt in
    b) build=$OPTARG ;; n) rounds=$OPTARG ;; m) mode=$OPTARG ;;
    t) filter=$OPTARG ;; j) jobs=$OPTARG ;;
    *) sed -n '2,13p' "$0"; exit 2 ;;
  esac
done
[ -x "$build/schichtkalender" ] || { echo "no program in $build (build it first)"; exit 2; }
build=$(cd "$build" && pwd)
source scripts/sanitizer-env.sh
export SK_BUILD_DIR=$build SK_SOURCE_DIR=$PWD
logs="$build/stress-e2e"
mkdir -p "$logs"
mapfile -t scripts < <(ls "$PWD"/tests/e2e/test_*.sh | grep -E -- "$filter")

# suite tag: every script once, $jobs at a time; prints "<failed> <seconds>".
suite() {
  local tag=$1 start=$SECONDS
  printf '%s\n' "${scripts[@]}" |
    xargs -P "$jobs" -I{} bash -c '
      out=$(timeout 300 bash "$1" 2>&1) && exit 0
      name=$(basename "$1" .sh)
      printf "%s\n" "$out" >"$2/$name-$3.log"
      echo "FAILED: $name ($2/$name-$3.log)" >&2
      exit 1' _ {} "$logs" "$tag" 2>&1 >/dev/null | tee -a "$logs/failures.txt" >&2
  local failed
  failed=$(grep -c "^FAILED: .*-$tag.log)" "$logs/failures.txt" 2>/dev/null)
  echo "${failed:-0} $((SECONDS - start))"
}

busy=()
start_load() { for _ in 1 2; do (while :; do :; done) & busy+=($!); done; }
stop_load() { [ ${#busy[@]} -gt 0 ] && kill "${busy[@]}" 2>/dev/null; wait "${busy[@]}" 2>/dev/null; busy=(); }
trap stop_load EXIT
trap 'exit 143' TERM INT   # the loops end with the script (through EXIT)

total_failed=0
report() {  # mode round failed seconds
  printf '%-6s round %2d: %2d of %d scripts failed, %4d s\n' "$1" "$2" "$3" "${#scripts[@]}" "$4"
  total_failed=$((total_failed + $3))
}
run_mode() {
  local m=$1 r res res2
  for r in $(seq "$rounds"); do
    case $m in
      alone) res=$(suite "alone$r$$"); report alone "$r" $res ;;
      load)  start_load; res=$(suite "load$r$$"); stop_load; report load "$r" $res ;;
      pair)
        suite "pairA$r$$" >"$logs/pairA" & local a=$!
        res2=$(suite "pairB$r$$"); wait "$a"; res=$(cat "$logs/pairA")
        report pair-A "$r" $res; report pair-B "$r" $res2 ;;
    esac
  done
}
echo "$(basename "$build"): ${#scripts[@]} scripts, $rounds rounds, $jobs at a time"
case $mode in
  all) run_mode alone; run_mode load; run_mode pair ;;
  *) run_mode "$mode" ;;
esac
echo "failures in all: $total_failed"
[ "$total_failed" -eq 0 ]
