#!/usr/bin/env bash
# Builds the record reader's libFuzzer target with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer on) and runs it for a bounded time, starting from the hand-made
# record files in tests/records/corpus. New inputs it finds stay in build-fuzz/, crashing inputs
# land in build-fuzz/artifacts/.
# Usage: scripts/fuzz.sh [seconds]   (default 20)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"
out=build-fuzz
mkdir -p "$out/found" "$out/artifacts"

sources=(
    tests/records/fuzz/record_fuzzer.cpp
    src/records/ansi_code_page.cpp
    src/records/calendar_date.cpp
    src/records/record_reader.cpp
    src/records/record_writer.cpp
    src/records/windows_1252.cpp
)
clang++ -std=c++20 -O1 -g -Wall -Wextra -Wpedantic -Werror -Isrc \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    "${sources[@]}" -o "$out/record_fuzzer"

"$out/record_fuzzer" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="$out/artifacts/" "$out/found" tests/records/corpus
