#!/usr/bin/env bash
# Configures and builds Vagaris in Release into ./build (or $VAGARIS_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${VAGARIS_BUILD_DIR:-build}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@"
cmake --build "$build" -j "$(nproc)"
