#!/usr/bin/env bash
# Cross-builds the whole Windows program (Obrix.exe with every window, obrix-score.exe) with a Qt
# for mingw-w64 into build-windows-qt/, runs the test programs under Wine on a display of their
# own (Xvfb), makes the NSIS installer and checks the installed program from the keyboard
# (scripts/windows-program-checks.sh).
# The Qt for mingw is taken from, in order: $OBRIX_QT_MINGW (an unpacked Qt), build-windows/
# qt-6.4.2-mingw (filled by scripts/build-qt-mingw.sh, or unpacked here from
# ../shared/toolchains/qt-6.4.2-mingw.tar.xz).
# Usage: scripts/build-windows-qt.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh windows

qt="${OBRIX_QT_MINGW:-$PWD/build-windows/qt-6.4.2-mingw}"
tarball="../shared/toolchains/qt-6.4.2-mingw.tar.xz"
if [ ! -f "$qt/lib/cmake/Qt6/qt.toolchain.cmake" ] && [ -f "$tarball" ]; then
    mkdir -p build-windows
    tar -C build-windows -xJf "$tarball"
fi
if [ ! -f "$qt/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
    echo "Windows window not built: no Qt for mingw (run scripts/build-qt-mingw.sh, or put qt-6.4.2-mingw.tar.xz in ../shared/toolchains)"
    exit 0
fi

out="$PWD/build-windows-qt"
mkdir -p "$out"
cmake -S . -B "$out" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" -DOBRIX_MINGW_STATIC_RUNTIME=OFF \
    -DQT_HOST_PATH=/usr -DCMAKE_BUILD_TYPE=Release -DOBRIX_WERROR=ON -DOBRIX_WITH_QT=ON \
    -DOBRIX_BUILD_TESTS=ON -DOBRIX_GTEST_SOURCE_DIR=/usr/src/googletest >"$out/configure.log" 2>&1 ||
    { cat "$out/configure.log"; exit 1; }
cmake --build "$out"

# The display comes first: Wine's desktop process, started with the prefix and kept running
# through the tests, draws on the display it was started with.
export WINEPREFIX="$out/wine-prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$out/display" >/dev/null 2>&1 &
xvfb=$!
trap '/usr/lib/wine/wineserver -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -s "$out/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$out/display")"
[ -f "$WINEPREFIX/system.reg" ] || /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
ctest --test-dir "$out" --output-on-failure --timeout 120

(cd "$out" && cpack -G NSIS -B "$out/package" >/dev/null)
ls -l "$out"/package/Obrix-*-win64.exe
bash scripts/windows-program-checks.sh "$out"/package/Obrix-*-win64.exe
