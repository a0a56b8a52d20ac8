#!/usr/bin/env bash
# Runs every test program once as one process in its own order, then once
# shuffled with a fixed seed. ctest starts one process per test, so a test
# that leans on what an earlier one left behind (or breaks a later one)
# passes there and fails only here.
#   scripts/run-tests-whole.sh [build folder] [shuffle seed]
# Defaults: build/test and seed 1; WHOLE_JOBS runs (default 4) go at once.
# Exits non-zero when any run fails; the output of a failing run is kept in
# <build>/whole-runs/.
set -uo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/test}
seed=${2:-1}
jobs=${WHOLE_JOBS:-4}
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
logs="$build/whole-runs"
rm -rf "$logs"
mkdir -p "$logs"

# One run of one program; its verdict goes to a file beside its log.
run() {
  local name=$1 mode=$2 args=()
  [ "$mode" = shuffled ] && args=(--gtest_shuffle "--gtest_random_seed=$seed")
  local log="$logs/$name.$mode.log"
  # From the folder ctest uses, so relative paths match.
  # A game's fatal error ends the process with code 0: a run passes only
  # when the test program itself got to its summary.
  if (cd "$build/tests" && "./$name" "${args[@]}") >"$log" 2>&1 && grep -q '^\[  PASSED  \]' "$log"; then
    echo passed >"$log.verdict"
  else
    echo failed >"$log.verdict"
  fi
}

shopt -s nullglob
programs=()
for exe in "$build"/tests/test_*; do
  [ -f "$exe" ] && [ -x "$exe" ] && programs+=("$(basename "$exe")")
done
if [ ${#programs[@]} -eq 0 ]; then
  echo "no test programs in $build/tests"
  exit 1
fi
for name in "${programs[@]}"; do
  for mode in whole shuffled; do
    while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do
      wait -n
    done
    run "$name" "$mode" &
  done
done
wait

failed=()
for name in "${programs[@]}"; do
  for mode in whole shuffled; do
    log="$logs/$name.$mode.log"
    if [ "$(cat "$log.verdict" 2>/dev/null)" = passed ]; then
      echo "$name $mode: passed"
      rm -f "$log" "$log.verdict"
    else
      echo "$name $mode: FAILED (see $log)"
      grep -E '^\[  FAILED  \]' "$log" | sort -u | head -20
      failed+=("$name $mode")
    fi
  done
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "whole runs failed: ${failed[*]}"
  exit 1
fi
echo "every test program passed whole and shuffled (seed $seed)"
