#!/usr/bin/env bash
# Times a cast in the real game under Xvfb, with and without extra work per
# presented frame: the game time and the wall time from the click that casts
# to the rig lying in the water. Usage: cast_under_load.sh BUILD_DIR [EXTRA_MS...]
# (default 0 20). Needs xvfb-run and xdotool.
set -euo pipefail
build=$(cd "${1:?build folder with benchmarks/karvelin_slow}" && pwd)
shift
extras=("$@")
[[ $# -eq 0 ]] && extras=(0 20)
here=$(cd "$(dirname "$0")/.." && pwd)
for extra in "${extras[@]}"; do
    work=$(mktemp -d)
    cp -r "$here/data" "$work/program"
    mkdir -p "$work/xdg"
    XDG_DATA_HOME="$work/xdg" KARVELIN_EXTRA_FRAME_MS=$extra SDL_AUDIODRIVER=dummy \
        xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
        cd "$1/program"
        "$2/benchmarks/karvelin_slow" 2>"$1/log" &
        pid=$!
        win=$(xdotool search --sync --name Karvelin | head -1)
        sleep 4                                   # loading
        click() { xdotool mousemove --window "$win" "$1" "$2"; sleep 0.3; xdotool click 1; sleep 1; }
        click 135 152                             # "Start fishing"
        click 345 350                             # OK on the start panel
        click 400 300                             # the cast
        sleep 4
        kill $pid; wait $pid || true
    ' _ "$work" "$build"
    awk -v extra="$extra" '
        /phase 0 -> 1/ { g0 = $6; w0 = $8 }
        /phase 1 -> 0/ { printf "extra %s ms a frame: cast in %d ms of game time, %d ms of wall time\n", extra, $6 - g0, $8 - w0; exit }
    ' "$work/log"
    grep -q "phase 1 -> 0" "$work/log" || echo "extra $extra ms a frame: no cast seen"
    rm -rf "$work"
done
