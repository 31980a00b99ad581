#!/usr/bin/env bash
# Installs the Debian packages Vagaris needs, when they are missing. The one list, in two sets:
#   bash scripts/deps.sh run     what building and running the two programs needs (scripts/run.sh,
#                                scripts/package.sh)
#   bash scripts/deps.sh test    that and what the tests, benchmarks, sanitizer and fuzz runs
#                                and the format check need (scripts/test.sh); the default
#   bash scripts/deps.sh --print run|test   only prints the set, one package a line
set -euo pipefail

# Build and run: compiler and build tools, Qt (with the OpenGL headers its CMake files ask
# for, and the translation tools the build compiles vagaris_en.ts with), Qt's own Spanish
# texts, ERFA and GSL (the precise model), the font the window's layout is drawn for.
run_packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libqt6charts6-dev libqt6opengl6-dev libgl-dev libqt6sql6-sqlite
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    liberfa-dev libgsl-dev fonts-dejavu-core
)
# Tests and benchmarks: GoogleTest and Google Benchmark, giflib (the benchmark's and the
# tests' independent GIF reader and tools), Python with Pillow, PyEphem and ERFA (reference
# values), every locale (locale independence), clang and its sanitizer runtime (fuzzing),
# clang-format (scripts/check_format.sh), the validators of the desktop entry, the
# AppStream metadata and the manual page, and kstars-data (the star and constellation files
# the star catalog's tests read, and the first start's city list).
test_packages=(
    libgtest-dev libgmock-dev libbenchmark-dev
    libgif-dev giflib-tools python3 python3-pil
    locales-all clang-format
    python3-ephem python3-erfa
    desktop-file-utils appstream groff-base
    clang libclang-rt-14-dev
    kstars-data
)

print_only=0
if [ "${1:-}" = --print ]; then
    print_only=1
    shift
fi
case "${1:-test}" in
    run) packages=("${run_packages[@]}") ;;
    test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
    *)
        echo "uso: bash scripts/deps.sh [--print] run|test" >&2
        exit 2
        ;;
esac
if [ "$print_only" = 1 ]; then
    printf '%s\n' "${packages[@]}"
    exit 0
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Instalando: ${missing[*]}"
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
