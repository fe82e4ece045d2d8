#!/usr/bin/env bash
# Renders the logo drawing (obrix_logo.svg) into the images the program ships. Run it after
# changing the drawing and commit the results; the build itself does not need these tools.
#   obrix_logo.png  161 x 161, on white: the picture on the splash window
#   OCI-R.ico       16, 24, 32, 48, 64 and 256 pixels: the record files' icon, beside the program
#   obrix_icon_N.png  the same images up to 64 pixels one by one: the program's window icon,
#                     which Qt's built-in PNG reader decodes without loading any plugin
# Needs rsvg-convert (Debian package librsvg2-bin) and ImageMagick's convert (imagemagick).
set -euo pipefail
cd "$(dirname "$0")"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

rsvg-convert -w 161 -h 161 -b white obrix_logo.svg -o "$work/logo.png"
# Plain 8-bit RGB without time stamps, so that re-rendering an unchanged drawing changes no byte.
convert "$work/logo.png" -strip -alpha off -define png:color-type=2 obrix_logo.png

sizes=(16 24 32 48 64 256)
frames=()
for size in "${sizes[@]}"; do
    rsvg-convert -w "$size" -h "$size" obrix_logo.svg -o "$work/icon_$size.png"
    frames+=("$work/icon_$size.png")
    if ((size <= 64)); then
        convert "$work/icon_$size.png" -strip -define png:exclude-chunks=date,time \
            "obrix_icon_$size.png"
    fi
done
convert "${frames[@]}" -strip OCI-R.ico
