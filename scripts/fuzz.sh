#!/usr/bin/env bash
# Builds the fuzz harnesses with clang and runs each for the given number of
# seconds (default 60) from the seed corpus in fuzz/corpus/<target>/, as many
# at once as there are cores.
#   scripts/fuzz.sh [seconds] [target...]   (all targets when none is named)
# FUZZ_JOBS sets how many run at once; FUZZ_RESOURCES_FROM=build/test embeds
# the resources that build folder made rather than making them again.
# Prints the executions of each target; exits non-zero on any finding, whose
# input is left in build/fuzz/findings/<target>/ (add it to the seed corpus
# and to a regression test).
# An input that takes more than the harness's bound of CPU time is a finding
# too; with KARVELIN_FUZZ_SLOW=report (the CI run, where the machine may be
# shared) it is only reported and kept in build/fuzz/findings/<target>/slow/,
# unless it takes five times the bound.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/steps.sh
[ -n "$log" ] || steps_begin fuzz build/fuzz
seconds=${1:-60}
jobs=${FUZZ_BUILD_JOBS:-$(nproc)}
runners=${FUZZ_JOBS:-$(nproc)}
build=build/fuzz
# FUZZ_RESOURCES_FROM names a build folder whose made resources to embed
# (test.sh lends build/test's); otherwise they are made here.
lend=${FUZZ_RESOURCES_FROM:+$PWD/$FUZZ_RESOURCES_FROM}
CC=clang CXX=clang++ build_step "Building the fuzz harnesses with clang..." "$build" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKARVELIN_TESTS=OFF -DKARVELIN_FUZZ=ON -DKARVELIN_RESOURCES_FROM="$lend" \
  -- -j "$jobs" --target karvelin_fuzz
read -r -a targets <<<"$(tr ';' ' ' <"$build/fuzz_targets.txt")"
if [ $# -gt 1 ]; then
  shift
  targets=("$@")
fi

export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
# Scratch files of the harnesses stay inside the build folder, even after a crash.
mkdir -p "$build/tmp"
export TMPDIR=$PWD/$build/tmp
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
# Where slow inputs are only reported, a busy machine must not turn a slow
# (but finished) input into a timeout either.
hang=10
[ "${KARVELIN_FUZZ_SLOW:-}" = report ] && hang=120
export KARVELIN_FUZZ_SLOW=${KARVELIN_FUZZ_SLOW:-}

# fuzz_one <target>: runs it, its output in logs/<target>.log and "ok" or
# "FINDING" in logs/<target>.status.
fuzz_one() {
  local t=$1 work="$build/corpus/$1" findings="$build/findings/$1" out="$build/logs/$1"
  local seeds=()
  [ -d "fuzz/corpus/$t" ] && seeds=("fuzz/corpus/$t")
  # New inputs go into the working corpus under build/; the seeds stay as they are.
  # libFuzzer's own timeout is wall-clock time: it only guards against a
  # hang, the harness bounds the CPU time of each input itself.
  mkdir -p "$findings/slow"
  if KARVELIN_FUZZ_SLOW_DIR="$findings/slow" \
     "$build/fuzz/fuzz_$t" "$work" "${seeds[@]}" -max_total_time="$seconds" -seed="${KARVELIN_FUZZ_SEED:-0}" -rss_limit_mb=2560 \
       -timeout="$hang" -max_len=65536 -print_final_stats=1 -artifact_prefix="$findings/" >"$out.log" 2>&1; then
    echo ok >"$out.status"
  else
    echo FINDING >"$out.status"
  fi
}

[ "$runners" -le "${#targets[@]}" ] || runners=${#targets[@]}
echo "Fuzzing ${#targets[@]} harnesses, ${seconds} s each, $runners at a time..."
running=0
for t in "${targets[@]}"; do
  mkdir -p "$build/corpus/$t" "$build/findings/$t" "$build/logs"
  rm -f "$build/logs/$t.status"
  if [ "$running" -ge "$runners" ]; then
    wait -n || true
    running=$((running - 1))
  fi
  fuzz_one "$t" &
  running=$((running + 1))
done
wait

failed=()
summary=()
for t in "${targets[@]}"; do
  out="$build/logs/$t"
  status=$(cat "$out.status" 2>/dev/null || echo FINDING)
  if [ "$status" != ok ]; then
    failed+=("$t")
    echo "== fuzz $t"
    tail -n 40 "$out.log"
  fi
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$out.log" | tail -n 1 || true)
  cov=$( (grep -o 'cov: [0-9]*' "$out.log" || true) | tail -n 1 | sed 's/cov: //')
  slow=$( (grep -c '^SLOW INPUT' "$out.log" || true) | tail -n 1)
  summary+=("$(printf '%-12s %-8s %12s executions  %6s edges  %s slow' "$t" "$status" "${execs:-?}" "${cov:-?}" "${slow:-0}")")
done
printf '%s\n' "${summary[@]}"
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz findings in: ${failed[*]} (inputs in $build/findings/)" >&2
  exit 1
fi
