#!/usr/bin/env bash
# Installs what is missing, builds, and runs Vagaris on the bundled sample catalogs: the
# window when a display is available, otherwise the command-line tool on a sample comet.
# Only what building and running needs is installed, and only the two programs are built, with
# the command-line tool's plugins (no tests, no benchmarks: scripts/test.sh adds those).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh run
VAGARIS_BUILD_TARGETS="vagaris vagaris-cli vagaris-cli-plugins" bash scripts/build.sh \
    -DVAGARIS_BUILD_TESTS=OFF -DVAGARIS_BUILD_BENCH=OFF
build="${VAGARIS_BUILD_DIR:-build}"
bin="$build/bin"

# The program directory: the one the program itself uses (VAGARIS_HOME, else the
# executables' folder). The samples are copied only when no catalog file is there yet.
home="${VAGARIS_HOME:-$bin}"
mkdir -p "$home"
if ! ls "$home"/*CR.dat >/dev/null 2>&1; then
    cp data/samples/*CR.dat "$home"/
    echo "Catálogos de ejemplo copiados en $home"
fi

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$bin/vagaris"
fi
echo "No hay pantalla disponible: se muestra el resultado con vagaris-cli."
comet="$home/CometsCR.dat"
"$bin/vagaris-cli" circumstances --catalog "$comet" --name "10P/Tempel"
echo
start="$(date -u +'%d/%m/%Y %H:%M:%S')"
"$bin/vagaris-cli" ephemeris --catalog "$comet" --name "10P/Tempel" --start "$start" --rows 10
