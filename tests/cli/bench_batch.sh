#!/usr/bin/env bash
# Compares obrix-score on 100,000 record files with cat of the same files: scoring should cost
# little more than reading. Not part of CTest; run by hand after a build:
#   bash tests/cli/bench_batch.sh [build folder, default build] [number of records]
# Each command runs twice and the second (warm cache) time counts. Creating the files is much
# quicker in memory: TMPDIR=/dev/shm bash tests/cli/bench_batch.sh
set -euo pipefail
export LC_ALL=C

build=${1:-build}
count=${2:-100000}
program=$(realpath "$build/bin/obrix-score")
[[ -x $program ]] || { echo "no $program: build the obrix-score target first" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/obrix-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir "$work/records"

# Records with varied answers, identifiers and dates, one file each, in the writer's layout.
awk -v dir="$work/records" -v n="$count" 'BEGIN {
    for (i = 0; i < n; i++) {
        file = sprintf("%s/r%06d.oci", dir, i)
        line = sprintf("\"Client %06d\",#20%02d-%02d-%02d#", i, 10 + i % 17, 1 + i % 12, 1 + i % 28)
        for (k = 0; k < 18; k++)
            line = line sprintf(",\"%d\"", (i * 7 + k * 3 + int(i / 5)) % 5)
        printf "%s\r\n", line > file
        close(file)
    }
}'
cd "$work/records"
printf '%s\0' *.oci > "$work/list"

# "wall cpu" seconds of the command's second run (cpu = user + system); the cpu time is the
# steadier figure on a busy machine.
measure() {
    "$@" > /dev/null
    local TIMEFORMAT='%R %U %S'
    { time "$@" > /dev/null; } 2>&1 | awk '{ printf "%.3f %.3f\n", $1, $2 + $3 }'
}

read -r cat_wall cat_cpu < <(measure xargs -0 -a "$work/list" cat)
echo "records: $count ($(du -sh . | cut -f1) on disk)"
printf '%-28s %8s %8s %10s %10s\n' command "wall s" "cpu s" "wall/cat" "cpu/cat"
printf '%-28s %8s %8s\n' "cat (xargs)" "$cat_wall" "$cat_cpu"
for format in table csv json; do
    read -r wall cpu < <(measure "$program" --format "$format" .)
    printf '%-28s %8s %8s %10s %10s\n' "obrix-score --format $format" "$wall" "$cpu" \
        "$(awk -v a="$wall" -v b="$cat_wall" 'BEGIN { printf "%.2f", a / b }')" \
        "$(awk -v a="$cpu" -v b="$cat_cpu" 'BEGIN { printf "%.2f", a / b }')"
done
