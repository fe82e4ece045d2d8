#!/usr/bin/env bash
# Installs the Debian packages Obrix needs. "run" is enough to build and start the program;
# "test" adds what the test suite uses. Packages already present are not touched.
set -euo pipefail

run_packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-qpa-plugins qt6-svg-dev
    # The history window's charts; Qt Charts' CMake package needs the OpenGL one.
    qt6-charts-dev libqt6opengl6-dev
    # Metric-compatible stand-ins for the window's typefaces (Arial/MS Sans Serif, Calibri,
    # a chancery italic for the splash).
    fonts-liberation fonts-crosextra-carlito fonts-urw-base35
    shared-mime-info desktop-file-utils
    # GIO: the file-type association and the saving of record files.
    libglib2.0-dev
)
test_packages=(
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth imagemagick poppler-utils
    clang libclang-rt-14-dev
    libxcb1-dev
    # The Windows cross build and its run under Wine (scripts/build-windows.sh).
    g++-mingw-w64-x86-64 googletest wine64
    at-spi2-core python3-pyatspi dbus dbus-x11
    # dpkg-shlibdeps, which computes the Debian package's dependencies.
    dpkg-dev
)

# The Windows program with Qt (scripts/build-windows-qt.sh): the installer, and the installed
# program driven under Wine from the keyboard, with Wine's own fonts.
windows_packages=(nsis xdotool xclip fonts-wine)

case "${1:-run}" in
    run) wanted=("${run_packages[@]}") ;;
    test) wanted=("${run_packages[@]}" "${test_packages[@]}") ;;
    windows) wanted=("${run_packages[@]}" "${test_packages[@]}" "${windows_packages[@]}") ;;
    *) echo "usage: $0 [run|test|windows]" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
