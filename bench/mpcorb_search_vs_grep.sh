#!/usr/bin/env bash
# Times a full pass of `vagaris-cli search` (a key that is absent) against
# `LC_ALL=C grep -c -i -F` of the same key, on a synthetic MPCORB-format file of 1,500,000
# orbit lines generated here in /tmp (never committed), with the file in the page cache.
# Both are whole processes, measured the same way: best of several runs.
#
#   bench/mpcorb_search_vs_grep.sh [path/to/vagaris-cli] [runs]
#
# The CLI defaults to $VAGARIS_CLI, else build-release/bin/vagaris-cli beside the sources.
# Build it in Release first.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cli="${1:-${VAGARIS_CLI:-$here/../build-release/bin/vagaris-cli}}"
runs="${2:-7}"
lines=1500000
key="ZQXWVAGARISNADA"   # in no designation, and in no other column either

[[ -x "$cli" ]] || { echo "vagaris-cli not found: $cli (give its path)" >&2; exit 2; }

work="$(mktemp -d /tmp/vagaris-bench-XXXXXX)"
trap 'rm -rf "$work"' EXIT
file="$work/MPCORB.DAT"

# The header of the real file (short lines), then orbit lines of 202 characters in the MPC
# export layout: numbered objects "(n) Name" first, then provisional designations.
awk -v n="$lines" 'BEGIN {
    srand(20240601);
    print "MINOR PLANET CENTER ORBIT DATABASE (MPCORB)";
    print "";
    print "Des'"'"'n     H     G   Epoch     M        Peri.      Node       Incl.       e            n           a        Reference #Obs #Opp    Arc    rms  Perts   Computer";
    print "";
    s = ""; for (k = 0; k < 160; k++) s = s "-"; print s;
    split("Ceres Pallas Juno Vesta Astraea Hebe Iris Flora Metis Hygiea Parthenope Victoria Egeria Irene Eunomia Psyche Thetis Melpomene Fortuna Massalia Lutetia Kalliope Thalia Themis Phocaea Proserpina Euterpe Bellona Amphitrite Urania", names, " ");
    letters = "ABCDEFGHJKLMNOPQRSTUVWXY";
    numbered = int(n * 0.8);
    for (k = 1; k <= n; k++) {
        if (k <= numbered) {
            if (k < 100000) packed = sprintf("%05d", k);
            else packed = sprintf("%c%04d", 55 + int(k / 10000), k % 10000);
            readable = sprintf("(%d) %s", k, names[1 + k % 30]);
        } else {
            year = 1990 + k % 35;
            half = substr(letters, 1 + k % 24, 1);
            second = substr(letters, 1 + int(k / 24) % 24, 1);
            cycle = int(k / 576) % 300;
            packed = sprintf("%c%02d%s%02d%s", (year < 2000 ? "J" : "K"), year % 100, half, cycle % 100, second);
            readable = sprintf("%d %s%s%s", year, half, second, (cycle ? cycle : ""));
        }
        printf "%-7s %5.2f  %4.2f K25BL %9.5f  %9.5f  %9.5f  %9.5f  %9.7f  %10.8f  %10.7f  0 MPO%06d  %4d  %2d 1999-2025 0.%02d M-v 3Ek MPCLINUX   %04d %-28s %8d\n",
            packed, 10 + rand() * 10, 0.15, rand() * 360, rand() * 360, rand() * 360, rand() * 30,
            rand() * 0.4, 0.2 + rand() * 0.1, 1.8 + rand() * 2, k % 999999, 10 + k % 9000,
            1 + k % 30, k % 100, 0, readable, 20250101;
    }
}' > "$file"

size=$(stat -c %s "$file")
# Warm the page cache: both programs then read from memory.
cat "$file" > /dev/null
cat "$file" > /dev/null

now_ns() { date +%s%N; }
best_of() {  # command... → best wall time in milliseconds over $runs runs
    local best=""
    for ((r = 0; r < runs; r++)); do
        local t0 t1
        t0=$(now_ns)
        "$@" > /dev/null 2>&1 || true
        t1=$(now_ns)
        local ms=$(( (t1 - t0) / 1000000 ))
        if [[ -z "$best" || $ms -lt $best ]]; then best=$ms; fi
    done
    echo "$best"
}

# Sanity: the key must be absent for both.
if "$cli" search --mpcorb "$file" "$key" > /dev/null 2>&1; then
    echo "key unexpectedly found by vagaris-cli" >&2; exit 1
fi
[[ "$(LC_ALL=C grep -c -i -F "$key" "$file" || true)" == "0" ]] || { echo "key found by grep" >&2; exit 1; }

ours=$(best_of "$cli" search --mpcorb "$file" "$key")
theirs=$(best_of env LC_ALL=C grep -c -i -F "$key" "$file")

rss=""
if [[ -x /usr/bin/time ]]; then
    rss=$(/usr/bin/time -f %M "$cli" search --mpcorb "$file" "$key" 2>&1 >/dev/null | tail -1 || true)
fi

echo "file: $lines orbit lines, $((size / 1048576)) MiB (page cache warm), best of $runs runs"
echo "vagaris-cli search (absent key): ${ours} ms"
echo "LC_ALL=C grep -c -i -F:          ${theirs} ms"
awk -v a="$ours" -v b="$theirs" 'BEGIN { if (b > 0) printf "ratio search / grep: %.2f\n", a / b }'
[[ -n "$rss" ]] && echo "vagaris-cli peak memory: ${rss} KiB"
exit 0
