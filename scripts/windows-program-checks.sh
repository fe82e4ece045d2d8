#!/usr/bin/env bash
# Installs Obrix from its Windows installer into a fresh Wine prefix, on a display of its own
# (Xvfb), and uses the installed program as a clinician would, from the keyboard (xdotool):
#   - the installer installs silently (/S) into Program Files\Obrix with a Start-menu entry;
#   - the first start shows the main window and the splash over it, the splash goes after about
#     a second, and the four class-root values of the .oci registration are written; a second
#     start writes nothing;
#   - a record opened through the shell (wine start, i.e. ShellExecute through the registration)
#     starts the program with that record; Compute and switching the sample show the figures
#     that obrix-score.exe gives for it;
#   - Save As through the Windows file dialog writes the record's bytes under a new name; opening
#     that file again shows it; closing after a change asks whether to save;
#   - printing without a printer shows the print-failure message;
#   - the uninstaller removes the program and the registration.
# Usage: scripts/windows-program-checks.sh INSTALLER
# The last line says whether every check passed; the exit status is 1 when one failed.
set -euo pipefail
installer="$(realpath "$1")"

work="$(mktemp -d)"
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
cleanup() {
    "$wineserver" -k 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
"$wine" wineboot -i >/dev/null 2>&1
# Xvfb runs no window manager; Wine otherwise waits two seconds for one whenever a window goes.
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
"$wineserver" -p 2>/dev/null || true

failed=()
check() { # check NAME COMMAND...: runs the command, notes a failure
    local name="$1"
    shift
    if "$@"; then echo "PASS: $name"; else echo "FAIL: $name"; failed+=("$name"); fi
}
windows_path() { "$wine" winepath -w "$1" 2>/dev/null | tr -d '\r'; }
value() { "$wine" reg query "HKCR\\$1" /ve 2>/dev/null | tr -d '\r' | sed -n 's/^ *(Default) *REG_SZ *//p'; }
windows_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true; }
wait_for() { # wait_for SECONDS COMMAND...: until the command succeeds
    local tries=$(($1 * 10))
    shift
    for _ in $(seq "$tries"); do "$@" && return 0; sleep 0.1; done
    return 1
}
main_window() { # the main window's X id: the window named "Obrix" that is wider than the splash
    local id
    for id in $(windows_named Obrix); do
        xdotool getwindowgeometry "$id" 2>/dev/null |
            awk -F'[ x]+' '/Geometry/ && $3 >= 700 { found = 1 } END { exit !found }' && echo "$id"
    done
}
has_main_window() { [ -n "$(main_window)" ]; }
window_count() { windows_named "$1" | wc -l; }
obrix_windows() { [ "$(window_count Obrix)" -eq "$1" ]; } # main window, splash, message box
running() { pgrep -f -i 'obrix\.exe' >/dev/null; }
not_running() { ! running; }
keys() { xdotool key --delay 60 "$@"; sleep 0.4; }
focus_main() { xdotool windowfocus --sync "$(main_window)" 2>/dev/null || true; sleep 0.2; }
copied() { # the text that Ctrl+C copies from the focused control or message box
    # xclip stays behind to hold the emptied clipboard until the program takes it over; its
    # output goes nowhere, so that the caller's $(...) does not wait for it.
    printf '' | xclip -selection clipboard >/dev/null 2>&1
    keys ctrl+c
    timeout 5 xclip -o -selection clipboard 2>/dev/null | tr -d '\r'
}

program="$WINEPREFIX/drive_c/Program Files/Obrix"
start_menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Obrix/Obrix.lnk"
installs_silently() {
    "$wine" "$installer" /S || return 1
    local file
    for file in Obrix.exe OCI-R.ico obrix-score.exe Qt6Core.dll platforms/qwindows.dll \
        styles/qwindowsvistastyle.dll libstdc++-6.dll Uninstall.exe; do
        [ -f "$program/$file" ] || { echo "not installed: $file"; return 1; }
    done
    [ -f "$start_menu" ]
}
check "the installer installs silently, with a Start-menu entry" installs_silently

start_program() { # start_program [ARGUMENT]: the installed program, until its main window shows
    "$wine" 'C:\Program Files\Obrix\Obrix.exe' "$@" >/dev/null 2>&1 &
    wait_for 120 has_main_window
}
exit_program() { # Alt+X (Exit) on an unchanged record; the program ends
    focus_main
    keys alt+x
    wait_for 20 not_running
}
splash_ms=""
first_start() {
    local started seen=""
    started=$(date +%s%N)
    "$wine" 'C:\Program Files\Obrix\Obrix.exe' >/dev/null 2>&1 &
    # The splash is the second window named "Obrix", over the main window.
    for _ in $(seq 1200); do
        local count
        count=$(window_count Obrix)
        [ -z "$seen" ] && [ "$count" -ge 2 ] && has_main_window && seen=$(date +%s%N)
        if [ -n "$seen" ] && [ "$count" -lt 2 ]; then
            splash_ms=$((($(date +%s%N) - seen) / 1000000))
            break
        fi
        sleep 0.05
    done
    echo "splash shown for about ${splash_ms:-?} ms (first start $((($(date +%s%N) - started) / 1000000)) ms)"
    # About a second: shown at least that long, gone within two and a half.
    [ -n "$splash_ms" ] && [ "$splash_ms" -ge 800 ] && [ "$splash_ms" -le 2500 ] && has_main_window
}
check "the first start shows the main window and the splash over it for about a second" first_start

windows_program="C:\\Program Files\\Obrix\\Obrix.exe"
registers() {
    [ "$(value .oci)" = "OCI-R" ] && [ "$(value OCI-R)" = "Obrix" ] &&
        [ "$(value 'OCI-R\shell\open\command')" = "\"$windows_program\" \"%1\"" ] &&
        [ "$(value 'OCI-R\DefaultIcon')" = "C:\\Program Files\\Obrix\\OCI-R.ico" ]
}
check "the first start writes the four class-root values, the command quoted" registers
check "Exit ends the program" exit_program

writes_nothing_again() {
    # A marker in one of the values survives a second start only if nothing is written.
    "$wine" reg add 'HKCR\OCI-R' /ve /d marker /f >/dev/null 2>&1
    start_program && sleep 2 && exit_program && [ "$(value OCI-R)" = "marker" ] &&
        "$wine" reg add 'HKCR\OCI-R' /ve /d Obrix /f >/dev/null 2>&1
}
check "a second start writes nothing" writes_nothing_again

# A record in a folder with blanks in its name, opened through the shell's association.
records="$work/client records"
mkdir "$records"
record="$records/client a.oci"
printf '"Client 0427",#2026-03-14#,"2","1","0","3","2","1","0","0","1","2","4","1","0","2","3","1","0","2"\r\n' \
    >"$record"
score() { # score GROUP COLUMN: the figure obrix-score.exe gives for the record
    (cd "$records" && "$wine" "$program/obrix-score.exe" --format csv --group "$1" "client a.oci") |
        tr -d '\r' | awk -F, -v column="$2" \
        'NR == 1 { for (i = 1; i <= NF; i++) if ($i == column) c = i } NR == 2 { print $c }'
}
opens_through_the_shell() {
    "$wine" start /unix "$record" >/dev/null 2>&1 && wait_for 60 has_main_window &&
        wait_for 10 obrix_windows 1
}
check "a record opened through the shell starts the program" opens_through_the_shell

# The focus starts on item 1; Tab walks the items, Compute, then the result boxes (the Total's
# z-score is the 20th after Compute, its raw score the 21st), the sample question and the chosen
# sample. Tabbing into a box selects its text, which Ctrl+C copies.
computes() {
    focus_main
    keys alt+c
    keys $(printf 'Tab %.0s' $(seq 38))
    local z raw
    z=$(copied)
    keys Tab
    raw=$(copied)
    echo "Total: $raw, $z"
    [ "$raw" = "$(score general total_raw)" ] && [ "$z" = "Z Score = $(score general total_z)" ]
}
check "Compute shows the record's figures" computes
switches_sample() {
    keys Tab Tab Down
    keys shift+Tab shift+Tab shift+Tab
    local z
    z=$(copied)
    echo "Total against the OCD sample: $z"
    [ "$z" = "Z Score = $(score ocd total_z)" ]
}
check "choosing the OCD sample shows its figures" switches_sample

focused_dialog() { # focused_dialog TITLE...: a window other than the main one has the focus,
    # named one of the titles
    local focused title
    focused=$(xdotool getwindowfocus 2>/dev/null) && [ "$focused" != "$(main_window)" ] || return 1
    for title; do [ "$(xdotool getwindowname "$focused" 2>/dev/null)" = "$title" ] && return 0; done
    return 1
}
main_focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$(main_window)" ]; }
choose_in_dialog() { # choose_in_dialog PATH TITLE...: types the name into the file dialog
    local path="$1"
    shift
    wait_for 20 focused_dialog "$@" || { echo "no dialog \"$1\""; return 1; }
    keys Home shift+End
    xdotool type --delay 20 "$(windows_path "$path")"
    keys Return
    wait_for 10 main_focused
}
saves_as() { # saves_as NAME: Save As to a new name typed without its extension
    keys ctrl+a
    choose_in_dialog "$records/$1" "Save File As ..." && wait_for 10 test -f "$records/$1.oci"
}
saves_under_a_new_name() {
    saves_as "saved copy" && cmp "$record" "$records/saved copy.oci"
}
check "Save As through the Windows file dialog writes the record under the new name" \
    saves_under_a_new_name

reopens() {
    # Start Again empties the window, a change that Open asks about first (No: open without
    # saving); the file opened next fills it, and saving it again under another name gives the
    # same bytes.
    keys alt+a
    keys ctrl+o
    wait_for 20 obrix_windows 2 || return 1
    copied | grep -q "Data appears to have changed, do you wish to save these changes before opening a new file?" ||
        return 1
    keys alt+n
    # The Open dialog has no title of the program's: Windows calls it "Open", Wine leaves it empty.
    choose_in_dialog "$records/saved copy.oci" "Open" "" &&
        saves_as "reopened" && cmp "$record" "$records/reopened.oci"
}
check "Open through the Windows file dialog shows the saved record" reopens

prints_without_a_printer() {
    keys ctrl+p
    wait_for 20 obrix_windows 2 || return 1
    local message
    message=$(copied)
    keys Return
    echo "$message" | grep -q "Are you sure you've got the correct printer set as the default? Something went very wrong and resulted in the following error" &&
        wait_for 10 obrix_windows 1
}
check "printing without a printer shows the print-failure message" prints_without_a_printer

asks_on_closing() {
    # Compute writes the results, a change; closing then asks. Cancel keeps the program, No ends
    # it without saving.
    focus_main
    keys alt+c
    keys alt+x
    wait_for 20 obrix_windows 2 || return 1
    copied | grep -q "Data appears to have changed, do you wish to save these changes?" || return 1
    keys Escape
    wait_for 10 obrix_windows 1 && running || return 1
    focus_main
    keys alt+x
    wait_for 20 obrix_windows 2 || return 1
    keys alt+n
    wait_for 20 not_running && cmp "$record" "$records/reopened.oci"
}
check "closing after a change asks whether to save" asks_on_closing

uninstalls() {
    "$wine" "$program/Uninstall.exe" /S && wait_for 60 test ! -e "$program/Obrix.exe" &&
        [ -z "$(value OCI-R)" ] &&
        [ -z "$(value .oci)" ] && [ ! -e "$start_menu" ]
}
check "the uninstaller removes the program and the registration" uninstalls

if [ ${#failed[@]} -eq 0 ]; then
    echo "Installed Windows program under Wine: all checks passed"
else
    echo "Installed Windows program under Wine: FAILED: ${failed[*]}"
    exit 1
fi
