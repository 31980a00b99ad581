#!/usr/bin/env bash
# Configures and builds Vagaris in Release into ./build (or $VAGARIS_BUILD_DIR); the arguments
# go to CMake's configure step. $VAGARIS_BUILD_TARGETS (space separated) builds only those
# targets instead of everything.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${VAGARIS_BUILD_DIR:-build}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@"
targets=()
[ -n "${VAGARIS_BUILD_TARGETS:-}" ] && read -r -a targets <<<"$VAGARIS_BUILD_TARGETS"
cmake --build "$build" -j "$(nproc)" ${targets[@]+--target "${targets[@]}"}
