#!/bin/sh
# Makes the application icon's PNGs at the usual hicolor sizes from its SVG, into
# packaging/icons/hicolor/<size>x<size>/ (kept in the sources, installed by cmake --install).
# Needs rsvg-convert (Debian package librsvg2-bin); optipng, when present, makes them smaller.
set -eu
cd "$(dirname "$0")/../packaging/icons"
svg=io.github.vagaris.Vagaris.svg
for size in 16 22 24 32 48 64 128 256 512; do
    mkdir -p "hicolor/${size}x${size}"
    png="hicolor/${size}x${size}/io.github.vagaris.Vagaris.png"
    rsvg-convert -w "$size" -h "$size" "$svg" -o "$png"
    if command -v optipng >/dev/null 2>&1; then optipng -quiet -o5 -strip all "$png"; fi
done
