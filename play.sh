#!/usr/bin/env bash
# Builds Karvelin (Release) and starts it. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/ensure-deps.sh play
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DKARVELIN_TESTS=OFF >/dev/null
cmake --build build/release --target karvelin
# The program folder is the working directory: the shipped data lives in data/.
cd data
exec ../build/release/app/karvelin
