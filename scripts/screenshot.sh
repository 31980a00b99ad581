#!/bin/sh
# Refreshes the pictures of the README, one per page (docs/seleccion.png, docs/orbita.png,
# ...): builds the screenshot tool, runs the window offscreen in extended mode on the sample
# comet catalog with one comet chosen, and saves every page as a PNG (made smaller with
# optipng when it is installed).
#
#   scripts/screenshot.sh [build folder]      (default: build-screenshot beside the sources)
# Optional: OBJECT="12P/Pons-Brooks" WHEN="01/04/2024 20:00:00" scripts/screenshot.sh
set -eu
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-"$source_dir/build-screenshot"}
object=${OBJECT:-"C/2025 A6 (Lemmon)"}
when=${WHEN:-"21/10/2025 19:00:00"}

if [ ! -f "$build_dir/build.ninja" ] && [ ! -f "$build_dir/Makefile" ]; then
    generator=""
    command -v ninja >/dev/null 2>&1 && generator="-G Ninja"
    # shellcheck disable=SC2086
    cmake -S "$source_dir" -B "$build_dir" $generator -DCMAKE_BUILD_TYPE=Release \
        -DVAGARIS_BUILD_TESTS=OFF -DVAGARIS_BUILD_BENCH=OFF
fi
cmake --build "$build_dir" --target vagaris-screenshot

mkdir -p "$source_dir/docs"
font_dir=/usr/share/fonts/truetype/dejavu
[ -d "$font_dir" ] && export QT_QPA_FONTDIR="${QT_QPA_FONTDIR:-$font_dir}"
QT_QPA_PLATFORM=offscreen "$build_dir/bin/vagaris-screenshot" \
    "$source_dir/data/samples/CometsCR.dat" "$source_dir/docs" "$object" "$when"
if command -v optipng >/dev/null 2>&1; then
    optipng -quiet -o5 -strip all "$source_dir"/docs/*.png
fi
