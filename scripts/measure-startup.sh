#!/usr/bin/env bash
# Start-up cost of Obrix against a bare Qt Widgets window that shows a line of text, built the same
# way: time from exec to the first window mapped, and resident memory once started, as medians of
# N runs each, taken side by side (in turns) in one Xvfb display. Further Obrix executables (an
# older build, say) take their turns in the same runs, so that all face the same machine load.
#   bash scripts/measure-startup.sh [BUILD_DIR] [N] [OTHER_OBRIX...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
runs=${2:-15}
shift $(($# < 2 ? $# : 2))
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

# A desktop session always has a D-Bus session bus; without one, Qt's accessibility bridge
# launches dbus-launch itself at the first accessibility event (some 10 ms before the map). So
# both programs run on a private session bus, unless NO_SESSION_BUS=1 asks to see them without one.
session=()
if [[ "${NO_SESSION_BUS:-0}" != 1 ]] && command -v dbus-run-session >/dev/null; then
    session=(dbus-run-session --)
fi

# Each sample: program, milliseconds to the first map, resident kilobytes 2.5 s after start.
"${session[@]}" xvfb-run -a -s '-screen 0 1280x1024x24' bash -c '
    timer=$1 runs=$2; shift 2
    for program; do "$timer" 2500 "$program" >/dev/null; done   # warm-up
    for i in $(seq "$runs"); do
        for program; do echo "$program $("$timer" 2500 "$program")"; done
    done' _ "$work/map_timer" "$runs" "$work/yardstick/text_window" "$build/bin/Obrix" "$@" \
    >"$work/samples"

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
printf 'runs: %d each, %s\n' "$runs" "$([[ ${#session[@]} -gt 0 ]] && echo 'on a session bus' || echo 'without a session bus')"
median_of() { awk -v p="$1" -v f="$2" '$1 == p { print $f }' "$work/samples" | median; }
# The median over the runs of program's time or memory divided by the yardstick's in the same run:
# the two ran one after the other, so a slower spell of the machine touches both alike.
paired_ratio() {
    awk -v p="$1" -v y="$2" -v f="$3" '$1 == y { yard[++ny] = $f } $1 == p { prog[++np] = $f }
        END { for (i = 1; i <= np; i++) print prog[i] / yard[i] }' "$work/samples" | median
}
yardstick="$work/yardstick/text_window"
bare_ms=$(median_of "$yardstick" 2) bare_kb=$(median_of "$yardstick" 3)
printf 'text window: %.1f ms to mapped, %d kB resident\n' "$bare_ms" "$bare_kb"
for program in "$build/bin/Obrix" "$@"; do
    awk -v p="$program" -v ms="$(median_of "$program" 2)" -v kb="$(median_of "$program" 3)" \
        -v bms="$bare_ms" -v bkb="$bare_kb" -v pms="$(paired_ratio "$program" "$yardstick" 2)" \
        -v pkb="$(paired_ratio "$program" "$yardstick" 3)" 'BEGIN {
        printf "  %s: %.1f ms to mapped (ratio %.2f, run by run %.2f), %d kB resident (ratio %.2f, run by run %.2f)\n",
            p, ms, ms / bms, pms, kb, kb / bkb, pkb }'
done
