#!/usr/bin/env bash
# Installs the Debian packages Vagaris needs to build, run and test, when they are missing.
set -euo pipefail
packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libqt6charts6-dev libqt6opengl6-dev libgl-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev
    libgif-dev giflib-tools python3 python3-pil
    locales-all fonts-dejavu-core clang-format
    liberfa-dev python3-ephem
    python3-erfa
    desktop-file-utils appstream groff-base
    clang libclang-rt-14-dev
)
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
