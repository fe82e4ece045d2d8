#!/usr/bin/env bash
# Sets up, builds and starts Obrix. Any arguments (a record file) are passed to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh run
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOBRIX_BUILD_TESTS=OFF >/dev/null
cmake --build build --target Obrix
exec build/bin/Obrix "$@"
