#!/usr/bin/env bash
# Checks that a Debian package declares what its programs link: every shared library that an ELF
# file of the package names as NEEDED, resolved as the system resolves it, must belong to a
# package that the package's Depends names. Prints each one missing and fails.
#   bash scripts/check-package-depends.sh PACKAGE.deb
set -euo pipefail
deb=$1
files=$(mktemp -d)
trap 'rm -rf "$files"' EXIT
dpkg-deb -x "$deb" "$files"
# The names alone, with versions and the choice between alternatives left out.
depends=" $(dpkg-deb -f "$deb" Depends | sed -E 's/\([^)]*\)//g; s/[,|]/ /g; s/ +/ /g') "

# The package that holds a library file; /lib and /usr/lib are one folder, but dpkg knows each
# file under the name its package gave it.
owner_of() {
    local candidate
    for candidate in "$1" "/usr$1" "${1#/usr}"; do
        dpkg -S "$candidate" 2>/dev/null | sed -n '1s/[:,].*//p' | grep . && return
    done
    return 1
}

missing=0
while IFS= read -r -d '' file; do
    readelf -h "$file" >/dev/null 2>&1 || continue
    for library in $(readelf -d "$file" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
        path=$(ldd "$file" | awk -v name="$library" '$1 == name { print $3 }')
        if [[ "$path" != /* ]] || ! package=$(owner_of "$path"); then
            echo "${file#"$files"/}: $library ($path) belongs to no installed package" >&2
            missing=1
        elif [[ "$depends" != *" $package "* ]]; then
            echo "${file#"$files"/}: $library is in $package, which Depends lacks" >&2
            missing=1
        fi
    done
done < <(find "$files" -type f -print0)
exit "$missing"
