#!/usr/bin/env bash
# Times a full pass of `vagaris-cli search` (a key that is absent) against
# `LC_ALL=C grep -c -i -F` of the same key, for six keys of different shapes, on a synthetic MPCORB-format file of 1,500,000
# orbit lines generated here in /tmp (never committed), with the file in the page cache.
# Both are whole processes, measured the same way: the median of 7 alternating runs. The
# goal, for every key: the search takes at most half of grep's time.
#
#   bench/mpcorb_search_vs_grep.sh [path/to/vagaris-cli] [runs]
#
# The CLI defaults to $VAGARIS_CLI, else build/bin/vagaris-cli beside the sources.
# Build it in Release first.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cli="${1:-${VAGARIS_CLI:-$here/../build/bin/vagaris-cli}}"
runs="${2:-7}"
lines=1500000
# Absent keys, in no designation and in no other column either: a lower-case name of the
# letters every line holds, an upper-case word, digits only (the key "(99999999)"), a packed
# designation, a provisional designation with its space, and a word starting with "N" (the
# letter of "MPCLINUX", on every line).
keys=("vulpecilinum" "ZQXWVAGARISNADA" "99999999" "K25Q99Z" "2031 QQ9" "NOSUCHTHING")

[[ -x "$cli" ]] || { echo "vagaris-cli not found: $cli (give its path)" >&2; exit 2; }

work="$(mktemp -d /tmp/vagaris-bench-XXXXXX)"
trap 'rm -rf "$work"' EXIT
file="$work/MPCORB.DAT"

bash "$here/make_synthetic_mpcorb.sh" "$file" "$lines"

size=$(stat -c %s "$file")
# Warm the page cache: both programs then read from memory.
cat "$file" > /dev/null
cat "$file" > /dev/null

now_ns() { date +%s%N; }
time_ms() {  # command... → wall time in milliseconds
    local t0 t1
    t0=$(now_ns)
    "$@" > /dev/null 2>&1 || true
    t1=$(now_ns)
    echo $(( (t1 - t0) / 1000000 ))
}
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

echo "file: $lines orbit lines, $((size / 1048576)) MiB (page cache warm), median of $runs alternating runs"
printf '%-18s %10s %10s %8s\n' "key" "search ms" "grep ms" "ratio"
worst=0
for key in "${keys[@]}"; do
    # Sanity: the key must be absent for both.
    if "$cli" search --mpcorb "$file" "$key" > /dev/null 2>&1; then
        echo "key unexpectedly found by vagaris-cli: $key" >&2; exit 1
    fi
    [[ "$(LC_ALL=C grep -c -i -F "$key" "$file" || true)" == "0" ]] || { echo "key found by grep: $key" >&2; exit 1; }
    # Alternating runs, so that both see the same machine load; the median of each.
    ours_runs=(); theirs_runs=()
    for ((r = 0; r < runs; r++)); do
        ours_runs+=("$(time_ms "$cli" search --mpcorb "$file" "$key")")
        theirs_runs+=("$(time_ms env LC_ALL=C grep -c -i -F "$key" "$file")")
    done
    ours=$(median "${ours_runs[@]}")
    theirs=$(median "${theirs_runs[@]}")
    ratio=$(awk -v a="$ours" -v b="$theirs" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }')
    worst=$(awk -v a="$ratio" -v w="$worst" 'BEGIN { print (a > w ? a : w) }')
    printf '%-18s %10s %10s %8s\n' "\"$key\"" "$ours" "$theirs" "$ratio"
done
echo "worst ratio search / grep: $worst (goal: at most 0.50 for every key)"

rss=""
if [[ -x /usr/bin/time ]]; then
    rss=$(/usr/bin/time -f %M "$cli" search --mpcorb "$file" "${keys[0]}" 2>&1 >/dev/null | tail -1 || true)
fi
[[ -n "$rss" ]] && echo "vagaris-cli peak memory: ${rss} KiB"
exit 0
