#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test with ctest; then the whole suite again
# built with AddressSanitizer and UndefinedBehaviorSanitizer (./build-asan), where any report
# fails the run, and every fuzz target for 20 s (scripts/fuzz.sh). VAGARIS_SKIP_SANITIZERS=1
# stops after the first run (a quick local check; CI runs everything).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh test
export VAGARIS_BUILD_DIR="${VAGARIS_BUILD_DIR:-build}"
# Tests and benchmarks on again, for a build folder that scripts/run.sh configured without them.
bash scripts/build.sh -DVAGARIS_WERROR=ON -DVAGARIS_BUILD_TESTS=ON -DVAGARIS_BUILD_BENCH=ON
bash scripts/check_format.sh
python3 scripts/check_layers.py
python3 data/samples/check_samples.py data/samples
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$VAGARIS_BUILD_DIR" --output-on-failure -j "$(nproc)" --timeout 900

[ "${VAGARIS_SKIP_SANITIZERS:-0}" = 1 ] && exit 0

# The second run: same tests, sanitizers on, optimised with debug information so the reports
# name lines. Leaks inside Qt's and fontconfig's own one-time set-up are suppressed by name.
asan_build="${VAGARIS_ASAN_BUILD_DIR:-build-asan}"
VAGARIS_BUILD_DIR="$asan_build" bash scripts/build.sh -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVAGARIS_SANITIZE=ON -DVAGARIS_BUILD_BENCH=OFF
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:allocator_may_return_null=1:max_allocation_size_mb=1024"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan-suppressions.txt:print_suppressions=0"
ctest --test-dir "$asan_build" --output-on-failure -j "$(nproc)" --timeout 1800

VAGARIS_FUZZ_SEED="${VAGARIS_FUZZ_SEED:-20261210}" bash scripts/fuzz.sh 20
