#!/usr/bin/env bash
# How long vagaris-cli takes to start and which shared libraries each subcommand loads: the
# whole process of `vagaris-cli --version` and of a Tisserand parameter, the median of 10 runs
# of each (wall, and CPU as perf stat's task-clock, or user + system from /usr/bin/time without
# perf), for this build and, when given, a second build to compare with (another checkout's
# vagaris-cli), alternating.
#
#   bench/cli_startup.sh [path/to/vagaris-cli] [path/to/other/vagaris-cli]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cli="${1:-${VAGARIS_CLI:-$here/../build/bin/vagaris-cli}}"
other="${2:-}"
runs=10
[[ -x "$cli" ]] || { echo "vagaris-cli not found: $cli (give its path)" >&2; exit 2; }
cli="$(realpath "$cli")"
[[ -x /usr/bin/time ]] || { echo "/usr/bin/time is needed (Debian package time)" >&2; exit 2; }
samples="$here/../data/samples"
work="$(mktemp -d /tmp/vagaris-bench-XXXXXX)"
trap 'rm -rf "$work"' EXIT

median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
# run BINARY ARGS... → "wall_ms cpu_ms", to a tenth of a millisecond: the wall time of a plain
# run, the CPU time of a second one under perf stat (or /usr/bin/time without perf).
run() {
    local t0 t1 cpu
    t0=$(date +%s%N)
    "$@" > /dev/null 2>&1 || true
    t1=$(date +%s%N)
    if command -v perf > /dev/null; then
        perf stat -x, -e task-clock -o "$work/p" -- "$@" > /dev/null 2>&1 || true
        cpu=$(awk -F, '/task-clock/ { printf "%.1f", $1 }' "$work/p")
    else
        /usr/bin/time -f "%U %S" -o "$work/t" "$@" > /dev/null 2>&1 || true
        cpu=$(awk '{ printf "%.1f", ($1 + $2) * 1000 }' "$work/t")
    fi
    awk -v n=$((t1 - t0)) -v c="$cpu" 'BEGIN { printf "%.1f %s\n", n / 1e6, c }'
}
report() {  # label args...
    local label="$1"; shift
    local bins=("$cli"); [[ -n "$other" ]] && bins+=("$other")
    declare -A wall cpu
    for ((r = 0; r < runs; r++)); do
        for b in "${bins[@]}"; do
            read -r w c < <(run "$b" "$@")
            wall[$b]+="$w "; cpu[$b]+="$c "
        done
    done
    for b in "${bins[@]}"; do
        # shellcheck disable=SC2086
        printf '%-34s %-40s wall %4s ms  CPU %4s ms\n' "$label" "$b" \
            "$(median ${wall[$b]})" "$(median ${cpu[$b]})"
    done
}
echo "median of $runs runs, alternating (CPU: perf stat task-clock, else user + system)"
report "--version" --version
report "tisserand" tisserand --a 17.8 --e 0.967 --i 162.3 --title Halley

# The libraries each subcommand loads, from the dynamic loader's own account.
echo
echo "shared libraries loaded (Qt ones named):"
comets="$samples/CometsCR.dat"
declare -a cases=(
    "--version|--version"
    "tisserand|tisserand --a 17.8 --e 0.967 --i 162.3"
    "circumstances|circumstances --catalog $comets --object 0 --at 01/04/1997"
    "ephemeris|ephemeris --catalog $comets --object 0 --at 01/04/1997 --rows 3"
    "search|search --mpcorb $samples/MPCORB.excerpt.dat ceres --at 01/04/1997"
    "antitail|antitail --catalog $comets --year 1997"
    "tonight|tonight --catalog $comets --date 01/04/1997 --lat 40"
    "chart --csv|chart --catalog $comets --object 0 --at 01/04/1997 --csv"
    "chart -o|chart --catalog $comets --object 0 --at 01/04/1997 -o $work/c.bmp"
    "orbit|orbit --catalog $comets --object 0 --at 01/04/1997 -o $work/o.gif"
    "download (a refused name: no plugin)|download nosuch"
)
for c in "${cases[@]}"; do
    label="${c%%|*}"
    read -r -a args <<< "${c#*|}"
    (cd "$work" && VAGARIS_HOME="$work" QT_QPA_PLATFORM=offscreen LD_DEBUG=files \
        "$cli" "${args[@]}" > /dev/null 2> "$work/ld.txt") || true
    libs=$(grep -o 'file=[^ ]*' "$work/ld.txt" | sed 's/file=//' | sort -u || true)
    count=$(printf '%s\n' "$libs" | grep -c . || true)
    qt=$(printf '%s\n' "$libs" | grep -o 'libQt6[A-Za-z]*' | sed 's/libQt6//' | sort -u | tr '\n' ' ' || true)
    plugin=$(printf '%s\n' "$libs" | grep -o 'vagaris-cli-[a-z]*' | sort -u | tr '\n' ' ' || true)
    printf '%-36s %3s libraries; Qt: %s%s\n' "$label" "$count" "$qt" "${plugin:+; plugin $plugin}"
done
