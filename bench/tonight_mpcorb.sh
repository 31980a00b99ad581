#!/usr/bin/env bash
# Times `vagaris-cli tonight --mpcorb` over the seeded synthetic 1.5-million-line MPCOrb.dat
# (bench/make_synthetic_mpcorb.sh, generated in /tmp, never committed), a whole night at
# 40° N with the default limits, the file in the page cache. Reports wall time, CPU time
# (user + system) and peak memory of each run, alternating with a run of --threads 1, and
# checks that --threads 1 and the default give the same bytes. Goals: under 3 s wall, CPU at
# least 1.5 × wall (both cores busy), wall at most 0.6 × the one-thread run's (medians),
# peak memory under 200 MB.
#
#   bench/tonight_mpcorb.sh [path/to/vagaris-cli] [runs] [model options...]
#
# Options after the runs go to the command: `--model precise` times the precise model with
# the planets' perturbations (goal: under 10 s wall), `--model precise --two-body` without.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cli="${1:-${VAGARIS_CLI:-$here/../build/bin/vagaris-cli}}"
runs="${2:-3}"
shift $(( $# < 2 ? $# : 2 ))
[[ -x "$cli" ]] || { echo "vagaris-cli not found: $cli (give its path)" >&2; exit 2; }
[[ -x /usr/bin/time ]] || { echo "/usr/bin/time is needed (Debian package time)" >&2; exit 2; }

work="$(mktemp -d /tmp/vagaris-bench-XXXXXX)"
trap 'rm -rf "$work"' EXIT
file="$work/MPCORB.DAT"
bash "$here/make_synthetic_mpcorb.sh" "$file" 1500000
cat "$file" > /dev/null
cat "$file" > /dev/null

args=(tonight --mpcorb "$file" --date 21/11/2025 --lat 40 --lon -3.7 --json "$@")
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
walls=(); ones=()
for ((r = 0; r < runs; r++)); do
    /usr/bin/time -f "%e %U %S %M" -o "$work/time.txt" "$cli" "${args[@]}" > "$work/out.json"
    read -r wall user sys rss < "$work/time.txt"
    awk -v w="$wall" -v u="$user" -v s="$sys" -v m="$rss" 'BEGIN {
        printf "wall %.2f s, CPU %.2f s (%.2f × wall), peak memory %.0f MB\n", w, u + s, (u + s) / w, m / 1024 }'
    walls+=("$wall")
    /usr/bin/time -f "%e" -o "$work/time1.txt" "$cli" "${args[@]}" --threads 1 > /dev/null
    read -r one < "$work/time1.txt"
    echo "  --threads 1: wall $one s"
    ones+=("$one")
done
awk -v a="$(median "${walls[@]}")" -v b="$(median "${ones[@]}")" 'BEGIN {
    printf "median wall %.2f s against %.2f s with --threads 1: %.2f × (goal: at most 0.60)\n", a, b, a / b }'
listed=$(grep -o '"listed": [0-9]*' "$work/out.json")
considered=$(grep -o '"considered": [0-9]*' "$work/out.json")
echo "$considered, $listed"
"$cli" "${args[@]}" --threads 1 > "$work/one.json"
if cmp -s "$work/out.json" "$work/one.json"; then
    echo "--threads 1 and the default give the same list"
else
    echo "DIFFERENT lists with --threads 1" >&2
    exit 1
fi
