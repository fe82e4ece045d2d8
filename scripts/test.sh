#!/usr/bin/env bash
# Sets up, builds and runs every test: once in a plain build, once under AddressSanitizer and
# UndefinedBehaviorSanitizer. Compiler warnings fail the build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh test

# A short fuzzing run of the record reader (clang libFuzzer; see scripts/fuzz.sh). It runs first so
# that the test summaries below are the last lines printed.
bash scripts/fuzz.sh 20

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOBRIX_WERROR=ON
cmake --build build
ctest --test-dir build --output-on-failure

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DOBRIX_WERROR=ON -DOBRIX_SANITIZE=ON
cmake --build build-asan
ctest --test-dir build-asan --output-on-failure

