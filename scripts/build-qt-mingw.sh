#!/usr/bin/env bash
# Builds Qt 6.4.2 for 64-bit Windows with Debian's mingw-w64 cross compilers (POSIX thread model,
# x86_64-w64-mingw32-g++-posix) and installs it into PREFIX: Core, Gui, Widgets, PrintSupport,
# Concurrent, Test and Charts as stripped Release DLLs; the qwindows, qoffscreen and qminimal
# platform plugins, the Windows Vista style, the qjpeg, qgif and qico image formats; and
# lib/cmake/Qt6/qt.toolchain.cmake, which chain-loads mingw-w64-posix.cmake beside it, so the
# folder can be moved. The host tools (moc, rcc, uic) are Debian's own Qt 6.4.2: a cross build
# needs them at the same version.
#
#   bash scripts/build-qt-mingw.sh [PREFIX]   (default: build-windows/qt-6.4.2-mingw in the repo)
#
# Takes about 50-60 minutes on two cores and a few GB in the temporary folder ($TMPDIR or /tmp),
# which is removed at the end. Needs Debian 12 (bookworm), root or sudo to install the missing
# packages, and Debian's package mirror (DEBIAN_MIRROR, default http://deb.debian.org/debian) for
# the qt6-base and qt6-charts source packages. When the mirror lacks the Qt Charts sources, set
# QTCHARTS_SRC to an unpacked Qt Charts v6.4.2 or QTCHARTS_TARBALL to its tarball (either is used
# before the mirror is asked). Does nothing when PREFIX already holds a finished build.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
prefix=$(realpath -m "${1:-$repo/build-windows/qt-6.4.2-mingw}")
qt_version=6.4.2

if [ -f "$prefix/lib/cmake/Qt6/qt.toolchain.cmake" ] && [ -f "$prefix/bin/Qt6Charts.dll" ]; then
    echo "Qt $qt_version for mingw-w64 is already built in $prefix"
    exit 0
fi

die() { echo "build-qt-mingw: $*" >&2; exit 1; }

packages=(
    cmake ninja-build perl g++-mingw-w64-x86-64 dpkg-dev xz-utils debian-archive-keyring
    # Host moc, rcc and uic and their CMake packages, which the cross build runs.
    qt6-base-dev
)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
fi
host_qt=$(dpkg-query -W -f='${Version}' qt6-base-dev)
[[ $host_qt == "$qt_version"+* ]] ||
    die "the host Qt (qt6-base-dev $host_qt) must be $qt_version, as on Debian 12"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Source packages come from an index of our own, so the system's apt sources stay untouched
# whether or not they carry a deb-src line.
apt_dir="$work/apt"
mkdir -p "$apt_dir/lists/partial" "$apt_dir/parts" "$work/debian-sources"
echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg]" \
    "${DEBIAN_MIRROR:-http://deb.debian.org/debian} bookworm main" >"$apt_dir/sources.list"
apt_own_index=(
    -o "Dir::Etc::SourceList=$apt_dir/sources.list" -o "Dir::Etc::SourceParts=$apt_dir/parts"
    -o "Dir::State::Lists=$apt_dir/lists" -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache=
    # Downloads into our own folders, which apt's unprivileged user could not write to.
    -o "APT::Sandbox::User=$(id -un)"
)
apt-get "${apt_own_index[@]}" -qq update
fetch_orig() { # fetch_orig PACKAGE ORIG_TARBALL: downloads the source package, prints the tarball
    (cd "$work/debian-sources" &&
        apt-get "${apt_own_index[@]}" -qq source --download-only "$1") >"$work/apt-source.log" 2>&1 &&
        [ -f "$work/debian-sources/$2" ] && echo "$work/debian-sources/$2"
}
unpack() { # unpack TARBALL FOLDER: unpacks a Qt source tarball without its top folder
    [ -f "$1" ] || die "no such tarball: $1"
    mkdir -p "$2"
    tar -xf "$1" -C "$2" --strip-components=1
}
is_qt_source() { # is_qt_source FOLDER: a Qt module's source tree at the version built here
    grep -qs "set(QT_REPO_MODULE_VERSION \"$qt_version\")" "$1/.cmake.conf"
}

base_orig=$(fetch_orig qt6-base "qt6-base_$qt_version+dfsg.orig.tar.xz") ||
    { cat "$work/apt-source.log" >&2; die "could not fetch Debian's qt6-base $qt_version sources"; }

charts_help="give Qt Charts $qt_version as QTCHARTS_SRC=<unpacked v$qt_version>"
charts_help+=" or QTCHARTS_TARBALL=<its .tar.xz>"
if [ -n "${QTCHARTS_SRC:-}" ]; then
    charts=$(realpath -m "$QTCHARTS_SRC")
elif [ -n "${QTCHARTS_TARBALL:-}" ]; then
    charts="$work/qtcharts"
    unpack "$QTCHARTS_TARBALL" "$charts"
elif charts_orig=$(fetch_orig qt6-charts "qt6-charts_$qt_version.orig.tar.xz"); then
    charts="$work/qtcharts"
    unpack "$charts_orig" "$charts"
else
    die "Debian's mirror has no qt6-charts $qt_version sources: $charts_help"
fi
is_qt_source "$charts" || die "the Qt Charts sources are not version $qt_version: $charts_help"
base="$work/qtbase"
unpack "$base_orig" "$base"
is_qt_source "$base" || die "Debian's qt6-base sources are not Qt $qt_version"
rm -rf "$work/debian-sources"

patch_source() { # patch_source SED_SCRIPT FILE...: edits in place, fails when nothing changed
    local before
    before=$(cat "${@:2}" | md5sum)
    sed -i "$1" "${@:2}"
    [ "$(cat "${@:2}" | md5sum)" != "$before" ] || die "source patch matched nothing: $1"
}
win="$base/src/plugins/platforms/windows"
# Debian's source drops the Wintab header (pen tablets): no tablet input in the Windows plugin,
patch_source 's/QT_CONFIG(tabletevent)/0 \/* no wintab.h in this source *\//g' \
    "$win"/*.cpp "$win"/*.h
# and does not compile its tablet support file either.
patch_source 's/CONDITION QT_FEATURE_tabletevent$/CONDITION FALSE/' "$win/CMakeLists.txt"
# With Direct2D off, printing must not reach for the DirectWrite font engine it would need.
patch_source 's/#if QT_CONFIG(directwrite)$/#if QT_CONFIG(directwrite) \&\& QT_CONFIG(direct2d)/' \
    "$base/src/printsupport/platform/windows/qprintengine_win.cpp"
# Nor may the Windows plugin pick the DirectWrite 3 font database, built only with Direct2D.
patch_source 's/^#if QT_CONFIG(directwrite3)$/#if QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d)/' \
    "$win/qwindowsintegration.cpp"
# With OpenGL off, windows must not ask for the dynamic OpenGL module.
patch_source 's/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' \
    "$win/qwindowswindow.cpp"

mingw_toolchain="$work/mingw-w64-posix.cmake"
cat >"$mingw_toolchain" <<'TOOLCHAIN'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
TOOLCHAIN

# Third-party libraries from Qt's own copies: the system's are built for Linux, not for Windows.
cmake -S "$base" -B "$work/qtbase-build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$mingw_toolchain" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF \
    -DFEATURE_vulkan=OFF -DFEATURE_xml=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF \
    -DFEATURE_system_doubleconversion=OFF -DFEATURE_icu=OFF \
    -DFEATURE_jpeg=ON -DFEATURE_png=ON -DFEATURE_gif=ON -DFEATURE_direct2d=OFF \
    -DFEATURE_printsupport=ON -DFEATURE_testlib=ON -DFEATURE_concurrent=ON
cmake --build "$work/qtbase-build"
cmake --install "$work/qtbase-build"

# Relocatable: Qt's toolchain file chain-loads the mingw one from beside it instead of from the
# build's temporary folder. Qt Charts is then configured through it.
qt_cmake_dir="$prefix/lib/cmake/Qt6"
cp "$mingw_toolchain" "$qt_cmake_dir/mingw-w64-posix.cmake"
# shellcheck disable=SC2016 # ${CMAKE_CURRENT_LIST_DIR} is for CMake to expand
relocatable_line='set(__qt_initially_configured_toolchain_file "${CMAKE_CURRENT_LIST_DIR}/mingw-w64-posix.cmake")'
qt_toolchain="$qt_cmake_dir/qt.toolchain.cmake"
sed -i "s|^set(__qt_initially_configured_toolchain_file .*|$relocatable_line|" "$qt_toolchain"
grep -qxF "$relocatable_line" "$qt_toolchain" ||
    die "qt.toolchain.cmake has no line naming the toolchain file it chain-loads"

"$prefix/bin/qt-cmake" -S "$charts" -B "$work/qtcharts-build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
cmake --build "$work/qtcharts-build"
cmake --install "$work/qtcharts-build"

x86_64-w64-mingw32-strip --strip-unneeded "$prefix"/bin/*.dll "$prefix"/plugins/*/*.dll

expected=(
    bin/Qt6{Core,Gui,Widgets,PrintSupport,Concurrent,Test,Charts}.dll
    plugins/platforms/q{windows,offscreen,minimal}.dll plugins/styles/qwindowsvistastyle.dll
    plugins/imageformats/q{jpeg,gif,ico}.dll
)
absent=()
for file in "${expected[@]}"; do [ -f "$prefix/$file" ] || absent+=("$file"); done
[ ${#absent[@]} -eq 0 ] || die "the build left out: ${absent[*]}"
echo "Qt $qt_version for mingw-w64 installed in $prefix"
