#!/usr/bin/env bash
# Builds Karvelin (Release) and starts it. Installs what is missing first.
# Once all is in place it says nothing of its own: the routine output of apt
# and of the build goes to build/play.log.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/steps.sh
steps_begin play build/release
bash scripts/ensure-deps.sh play
build_step --first "the first build takes a few minutes" "Building Karvelin..." build/release \
  -DCMAKE_BUILD_TYPE=Release -DKARVELIN_TESTS=OFF -- --target karvelin
# The program folder is the working directory: the shipped data lives in data/.
cd data
exec ../build/release/app/karvelin
