#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer on)
# into ./build-fuzz (or $VAGARIS_FUZZ_BUILD_DIR) and runs each for SECONDS (60 by default).
# An input that takes more than 1 s counts as a hang (VAGARIS_FUZZ_TIMEOUT to change it on a
# machine so loaded that wall-clock seconds stretch). Every crash, hang, leak or sanitizer
# report stops the run with the failing input saved as build-fuzz/fuzz/<target>-crash-*
# (or timeout-*, leak-*), and the script exits non-zero.
# VAGARIS_FUZZ_SEED fixes libFuzzer's random seed (the test command sets it, so a failure in
# CI can be replayed); without it every run explores differently.
#   bash scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
seed_option=()
[ -n "${VAGARIS_FUZZ_SEED:-}" ] && seed_option=(-seed="$VAGARIS_FUZZ_SEED")
timeout="${VAGARIS_FUZZ_TIMEOUT:-1}"
build="${VAGARIS_FUZZ_BUILD_DIR:-build-fuzz}"
mkdir -p "$build"
build="$(cd "$build" && pwd)"  # absolute: a target may change its working folder
python=/usr/bin/python3
[ -x "$python" ] || python=python3

CXX=clang++ CC=clang cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVAGARIS_FUZZ=ON -DVAGARIS_BUILD_TESTS=OFF -DVAGARIS_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target fuzz_all -j "$(nproc)"

# Seeds: the sample catalogs and the hand-made edge cases, added to what earlier runs found.
corpus="$build/corpus"
"$python" fuzz/make_seeds.py data/samples "$corpus"

declare -A max_len=([fuzz_catalog_line]=20000 [fuzz_settings]=4096 [fuzz_mpcorb]=65536
                    [fuzz_gif]=65536 [fuzz_cli_args]=4096)
status=0
for target in fuzz_catalog_line fuzz_settings fuzz_mpcorb fuzz_gif fuzz_cli_args; do
    echo "== $target: ${seconds} s"
    log="$build/fuzz/$target.log"
    # An allocation above 64 MB fails as it would on a small machine (the program answers with
    # its "not enough memory" error) instead of costing its whole shadow under ASan: a GIF of
    # a few bytes may announce pictures of 4 GB, which are reserved but never touched.
    if (cd "$build/fuzz" &&
            ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1:max_allocation_size_mb=64 \
            ./"$target" \
            -max_total_time="$seconds" -timeout="$timeout" -rss_limit_mb=2048 "${seed_option[@]}" \
            -max_len="${max_len[$target]}" -print_final_stats=1 \
            -artifact_prefix="$build/fuzz/$target-" "$corpus/$target") >"$log" 2>&1; then
        grep -E "^(stat::number_executed_units|stat::peak_rss_mb|Done)" "$log" || tail -n 3 "$log"
    else
        tail -n 60 "$log"
        echo "== $target: FALLO (registro completo en $log)"
        status=1
    fi
done
exit "$status"
