#!/usr/bin/env bash
# Start-up cost of Obrix against a bare Qt Widgets window built the same way: time from exec to
# the first window mapped, and resident memory once started, as medians of N runs each, taken
# side by side (alternating) in one Xvfb display.
#   bash scripts/measure-startup.sh [BUILD_DIR] [N]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
runs=${2:-15}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt")
cmake -S "$here/measure-startup" -B "$work/yardstick" -G Ninja \
    -DCMAKE_BUILD_TYPE="${build_type:-RelWithDebInfo}" >/dev/null
cmake --build "$work/yardstick" >/dev/null
cc -O2 -o "$work/map_timer" "$here/measure-startup/map_timer.c" $(pkg-config --cflags --libs xcb)

# A private home, so the program's first-start registration happens in the warm-up run and
# the measured runs are ordinary later starts.
mkdir -p "$work/home"
export HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_CONFIG_HOME="$work/home/config" \
    XDG_CACHE_HOME="$work/home/cache" XDG_RUNTIME_DIR="$work/home/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

xvfb-run -a -s '-screen 0 1280x1024x24' bash -c '
    timer=$1 bare=$2 obrix=$3 runs=$4
    "$timer" 2500 "$bare" >/dev/null; "$timer" 2500 "$obrix" >/dev/null   # warm-up
    for i in $(seq "$runs"); do
        echo "bare $("$timer" 2500 "$bare")"
        echo "obrix $("$timer" 2500 "$obrix")"
    done' _ "$work/map_timer" "$work/yardstick/bare_window" "$build/bin/Obrix" "$runs" \
    >"$work/samples"

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
for what in bare obrix; do
    eval "${what}_ms=$(awk -v w=$what '$1 == w { print $2 }' "$work/samples" | median)"
    eval "${what}_kb=$(awk -v w=$what '$1 == w { print $3 }' "$work/samples" | median)"
done
printf 'runs: %d each\n' "$runs"
awk -v bm="$bare_ms" -v om="$obrix_ms" -v bk="$bare_kb" -v ok="$obrix_kb" 'BEGIN {
    printf "exec to mapped: bare %.1f ms, Obrix %.1f ms, ratio %.2f\n", bm, om, om / bm
    printf "resident memory: bare %d kB, Obrix %d kB, ratio %.2f\n", bk, ok, ok / bk }'
