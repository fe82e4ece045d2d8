#!/usr/bin/env bash
# Sets up, builds and runs every test: once in a plain build, once under AddressSanitizer and
# UndefinedBehaviorSanitizer. Compiler warnings fail the build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh test

# A short fuzzing run of the record reader (clang libFuzzer; see scripts/fuzz.sh). It runs first so
# that the test summaries below are the last lines printed.
bash scripts/fuzz.sh 20

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOBRIX_WERROR=ON -DOBRIX_BUILD_TESTS=ON
cmake --build build
ctest --test-dir build --output-on-failure

# The install rules and the Debian package keep working: install into a scratch prefix, check
# the programs and the files desktops look for, build the package and check that its Depends
# covers every library the programs link.
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
cmake --install build --prefix "$stage/usr" >/dev/null
for file in bin/Obrix bin/OCI-R.ico bin/obrix-score share/applications/obrix.desktop share/mime/packages/obrix.xml; do
    test -e "$stage/usr/$file" || { echo "not installed: $file" >&2; exit 1; }
done
desktop-file-validate "$stage/usr/share/applications/obrix.desktop"
(cd build && cpack -G DEB -B "$stage/package" >/dev/null)
bash scripts/check-package-depends.sh "$stage"/package/obrix_*.deb

# The Qt-free parts cross-built for Windows and run under Wine (uses build/bin/obrix-score).
bash scripts/build-windows.sh build
# The whole Windows program with Qt, its tests under Wine, its installer and the installed program
# driven from the keyboard; where no Qt for mingw is at hand it says so in one line.
bash scripts/build-windows-qt.sh

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DOBRIX_WERROR=ON -DOBRIX_SANITIZE=ON -DOBRIX_BUILD_TESTS=ON
cmake --build build-asan
ctest --test-dir build-asan --output-on-failure

