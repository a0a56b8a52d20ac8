#!/usr/bin/env bash
# Builds Karvelin with its tests, builds the fuzz harnesses with clang and
# runs each for 20 seconds, then runs the whole suite headless (last, so its
# summary closes the output). Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/ensure-deps.sh test
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy SDL_RENDER_DRIVER=software
jobs=$(nproc)
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKARVELIN_TESTS=ON -DKARVELIN_BENCHMARKS=ON >/dev/null
cmake --build build/test -j "$jobs"
# A fixed seed keeps the CI run repeatable; scripts/fuzz.sh alone explores anew each time.
KARVELIN_FUZZ_SEED=1 bash scripts/fuzz.sh 20
bash scripts/run-tests-whole.sh build/test 1
ctest --test-dir build/test --output-on-failure -j "$jobs" --timeout 300
