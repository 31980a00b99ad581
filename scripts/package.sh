#!/usr/bin/env bash
# Builds the Debian package vagaris_<version>_amd64.deb in this folder with CPack (its
# dependencies computed from the binaries by dpkg-shlibdeps) and checks it with lintian.
#   bash scripts/package.sh            (build folder: build-package, or $VAGARIS_PACKAGE_DIR)
# Install it with:  sudo apt install ./vagaris_<version>_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh run
tools=()
for p in dpkg-dev file lintian; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || tools+=("$p")
done
if [ ${#tools[@]} -gt 0 ]; then
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${tools[@]}"
fi

# Debian's hardening flags, as dpkg-buildflags gives them to every package (with bindnow:
# -D_FORTIFY_SOURCE=2, -fstack-protector-strong, -Wl,-z,relro,-z,now), on top of the Release
# flags; they change no computed value (no fast-math, no contraction either way).
flags() { DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"; }
build="${VAGARIS_PACKAGE_DIR:-build-package}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DVAGARIS_BUILD_TESTS=OFF -DVAGARIS_BUILD_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)"
cmake --build "$build" -j "$(nproc)"
# Files in the package belong to root and are not writable by others, whatever the umask.
(cd "$build" && umask 022 && cpack -G DEB)
deb=$(ls -t "$build"/vagaris_*_amd64.deb | head -n 1)
cp "$deb" .
deb=$(basename "$deb")
echo "Paquete: $PWD/$deb"
# lintian's errors fail the script; its warnings are shown.
lintian --fail-on error --no-tag-display-limit "$deb"
