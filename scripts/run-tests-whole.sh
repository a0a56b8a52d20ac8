#!/usr/bin/env bash
# Runs every test program once as one process in its own order, then once
# shuffled with a fixed seed. ctest starts one process per test, so a test
# that leans on what an earlier one left behind (or breaks a later one)
# passes there and fails only here.
#   scripts/run-tests-whole.sh [build folder] [shuffle seed]
# Defaults: build/test and seed 1. Exits non-zero when any run fails; the
# output of a failing run is kept in <build>/whole-runs/.
set -uo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/test}
seed=${2:-1}
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
logs="$build/whole-runs"
mkdir -p "$logs"
shopt -s nullglob
programs=("$build"/tests/test_*)
failed=()
for exe in "${programs[@]}"; do
  [ -x "$exe" ] && [ -f "$exe" ] || continue
  name=$(basename "$exe")
  for mode in whole shuffled; do
    args=()
    [ "$mode" = shuffled ] && args=(--gtest_shuffle "--gtest_random_seed=$seed")
    log="$logs/$name.$mode.log"
    # Run from the folder ctest uses, so relative paths match.
    if (cd "$build/tests" && "./$name" "${args[@]}") >"$log" 2>&1; then
      echo "$name $mode: passed"
      rm -f "$log"
    else
      echo "$name $mode: FAILED (see $log)"
      grep -E '^\[  FAILED  \]' "$log" | sort -u | head -20
      failed+=("$name $mode")
    fi
  done
done
if [ ${#programs[@]} -eq 0 ]; then
  echo "no test programs in $build/tests"
  exit 1
fi
if [ ${#failed[@]} -gt 0 ]; then
  echo "whole runs failed: ${failed[*]}"
  exit 1
fi
echo "every test program passed whole and shuffled (seed $seed)"
