#!/usr/bin/env bash
# Cross-builds the Qt-free parts for 64-bit Windows with mingw-w64 into build-windows/ and runs
# them under Wine, in a Wine prefix of their own kept in build-windows/wine-prefix between runs:
#   - the core's GoogleTest tests (the Windows save test among them);
#   - obrix-score.exe on Windows-1252 records in a folder with blanks, whose csv and json must
#     equal the Linux build's byte for byte, file names aside;
#   - the registration step (obrix-register.exe copied as "Obrix.exe" into a folder with blanks):
#     the four class-root values with the quoted command, nothing written on a second run, no
#     probe file left in the temporary folder.
# Usage: scripts/build-windows.sh [Linux build folder holding bin/obrix-score, default build]
# The last line says whether every check passed; the exit status is 1 when one failed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh test
linux_score="$(realpath "${1:-build}")/bin/obrix-score"
out="$PWD/build-windows"

mkdir -p "$out"
cmake -S . -B "$out" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DOBRIX_WERROR=ON -DOBRIX_WITH_QT=OFF -DOBRIX_BUILD_TESTS=ON \
    -DOBRIX_GTEST_SOURCE_DIR=/usr/src/googletest >"$out/configure.log" 2>&1 ||
    { cat "$out/configure.log"; exit 1; }
cmake --build "$out"
[ -x "$linux_score" ] || cmake --build "$(dirname "$(dirname "$linux_score")")" --target obrix-score

export WINEPREFIX="$out/wine-prefix" WINEDEBUG=-all
# No Mono or Gecko: nothing here needs them, and Wine would offer to install them.
export WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
[ -f "$WINEPREFIX/system.reg" ] || "$wine" wineboot -i >/dev/null 2>&1
# One Wine server for the whole run instead of one per program started.
"$wineserver" -p 2>/dev/null || true # already running for this prefix
# Wine's background services start with the first program and keep its output open: start them
# here, so that they hold no test's output (CTest would wait for it to close).
"$wine" cmd /c exit </dev/null >/dev/null 2>&1 || true
work="$(mktemp -d)"
trap '"$wineserver" -k || true; rm -rf "$work"' EXIT

failed=()
check() { # check NAME COMMAND...: runs the command, notes a failure
    local name="$1"
    shift
    if "$@"; then echo "PASS: $name"; else echo "FAIL: $name"; failed+=("$name"); fi
}

check "core tests under Wine" ctest --test-dir "$out" --output-on-failure -j2

# Records in Windows-1252 (ë, ü, € are single bytes), one under a name outside that code page.
records="$work/records with blanks"
mkdir "$records"
items='"2","1","0","3","2","1","0","0","1","2","4","1","0","2","3","1","0","2"'
printf '"Zo\xeb M\xfcller \x80, Room 3",#2026-03-14#,%s\r\n' "$items" >"$records/a client.oci"
printf '"Client 0427",#2026-03-14#,"4","4","4","4","4","4","4","4","4","4","4","4","4","4","4","4","4","4"\r\n' \
    >"$records/b.oci"
printf '"\xe9t\xe9",#2025-12-31#,%s\r\n' "$items" >"$records/client 中.oci"
same_scores() { # same_scores FORMAT ARGUMENTS...: Linux and Windows output, file names blanked
    local format="$1"
    shift
    local blank='s/^[^,]*,/,/'
    [ "$format" = json ] && blank='s/"file":"\([^"\\]\|\\.\)*"/"file":""/'
    (cd "$work" && "$linux_score" --format "$format" "$@") | sed "$blank" >"$work/linux.$format"
    (cd "$work" && "$wine" "$out/bin/obrix-score.exe" --format "$format" "$@") |
        sed "$blank" >"$work/windows.$format"
    [ "$(wc -l <"$work/linux.$format")" -ge 4 ] && cmp "$work/linux.$format" "$work/windows.$format"
}
check "obrix-score csv equals Linux" same_scores csv "records with blanks"
check "obrix-score json equals Linux" same_scores json "records with blanks" \
    "records with blanks/client 中.oci"

program="$work/program with blanks/Obrix.exe"
mkdir "$(dirname "$program")"
cp "$out/bin/obrix-register.exe" "$program"
windows_program="$("$wine" winepath -w "$program" 2>/dev/null | tr -d '\r')"
value() { "$wine" reg query "HKCR\\$1" /ve 2>/dev/null | tr -d '\r' | sed -n 's/^ *(Default) *REG_SZ *//p'; }
temp_files() { ls -A "$WINEPREFIX"/drive_c/users/*/Temp 2>/dev/null | sort; }
registers() {
    "$wine" reg delete 'HKCR\.oci' /f >/dev/null 2>&1 || true
    "$wine" reg delete 'HKCR\OCI-R' /f >/dev/null 2>&1 || true
    local before
    before="$(temp_files)"
    "$wine" "$program" &&
        [ "$(value .oci)" = "OCI-R" ] && [ "$(value OCI-R)" = "Obrix" ] &&
        [ "$(value 'OCI-R\shell\open\command')" = "\"$windows_program\" \"%1\"" ] &&
        [ "$(value 'OCI-R\DefaultIcon')" = "${windows_program%Obrix.exe}OCI-R.ico" ] &&
        [ "$(temp_files)" = "$before" ]
}
writes_nothing_again() {
    # A marker in one of the values survives a second run only if nothing is written.
    "$wine" reg add 'HKCR\OCI-R' /ve /d marker /f >/dev/null 2>&1
    local before
    before="$(temp_files)"
    "$wine" "$program" && [ "$(value OCI-R)" = "marker" ] && [ "$(temp_files)" = "$before" ]
}
check "registration writes the four values" registers
check "registration writes nothing on a second run" writes_nothing_again

if [ ${#failed[@]} -eq 0 ]; then
    echo "Windows under Wine: all checks passed"
else
    echo "Windows under Wine: FAILED: ${failed[*]}"
    exit 1
fi
