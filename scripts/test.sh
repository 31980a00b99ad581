#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test with ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
export VAGARIS_BUILD_DIR="${VAGARIS_BUILD_DIR:-build}"
bash scripts/build.sh -DVAGARIS_WERROR=ON
bash scripts/check_format.sh
python3 scripts/check_layers.py
python3 data/samples/check_samples.py data/samples
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$VAGARIS_BUILD_DIR" --output-on-failure -j "$(nproc)" --timeout 900
