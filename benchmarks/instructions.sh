#!/bin/sh
# Instructions of one game frame against one frame of the plain SDL twin, for
# every frame scene, under callgrind: independent of the machine's load.
#
#   benchmarks/instructions.sh [karvelin_bench] [filter]
#
# Only the timed frames are counted (collection is on inside the game's and
# the twin's frame functions alone), FRAMES of each (default 10).
set -eu
bench=${1:-build/test/benchmarks/karvelin_bench}
filter=${2:-.}
frames=${FRAMES:-10}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
printf '%-40s %14s %14s %7s\n' scene game/frame twin/frame ratio
"$bench" --benchmark_list_tests --benchmark_filter="$filter" | grep -E '/(800x600|1440x900)/manual_time$' | sed 's,/manual_time$,,' |
    grep -v -e StartUp -e FishOn |
while read -r name; do
    valgrind --tool=callgrind --callgrind-out-file="$out/cg" --collect-atstart=no \
        --toggle-collect='(anonymous namespace)::GameFrame(*' \
        --toggle-collect='(anonymous namespace)::BareTwin::Frame(*' \
        "$bench" --frames="$frames" --benchmark_filter="^$name/" >/dev/null 2>&1 || {
        printf '%-40s failed\n' "$name"
        continue
    }
    callgrind_annotate --inclusive=yes "$out/cg" 2>/dev/null | awk -v name="$name" -v n="$frames" '
        /\(anonymous namespace\)::GameFrame\(/ { gsub(",", "", $1); game = $1 }
        /\(anonymous namespace\)::BareTwin::Frame\(/ { gsub(",", "", $1); twin = $1 }
        END { if (game > 0 && twin > 0) printf "%-40s %14.0f %14.0f %7.3f\n", name, game / n, twin / n, game / twin;
              else printf "%-40s no counts\n", name }'
done
