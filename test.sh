#!/usr/bin/env bash
# Builds Karvelin with its tests, builds the fuzz harnesses with clang and
# runs each for 10 seconds (as many at once as there are cores), then runs
# the whole suite headless (last, so its summary closes the output).
# Installs what is missing first. The routine output of apt and of the
# builds goes to build/test.log.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/steps.sh
steps_begin test build/test build/fuzz
bash scripts/ensure-deps.sh test
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy SDL_RENDER_DRIVER=software
jobs=$(nproc)
build_step --first "the first build takes several minutes" \
  "Building the game with its tests and benchmarks..." build/test \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKARVELIN_TESTS=ON -DKARVELIN_BENCHMARKS=ON -- -j "$jobs"
# A fixed seed keeps the CI run repeatable; scripts/fuzz.sh alone explores anew each time.
# A slow input is only reported there (one past five times the bound still fails): the machine running CI may be busy.
KARVELIN_FUZZ_SLOW=report KARVELIN_FUZZ_SEED=1 FUZZ_RESOURCES_FROM=build/test bash scripts/fuzz.sh 10
# Every test program runs whole, in its own order and shuffled (label
# "whole"; the longest in parts, side by side); the entries of single tests
# (label "each") are for picking one.
ctest --test-dir build/test --output-on-failure -j "$jobs" --timeout 300 -LE each
