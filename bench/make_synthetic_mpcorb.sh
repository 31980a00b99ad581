#!/usr/bin/env bash
# Writes a seeded synthetic MPCORB-format file: the header of the real file (short lines),
# then orbit lines of 202 characters in the MPC export layout, numbered objects "(n) Name"
# first, then provisional designations. The same seed gives the same bytes.
#
#   bench/make_synthetic_mpcorb.sh FILE [LINES]
set -euo pipefail
file="$1"
n="${2:-1500000}"
# The header of the real file (short lines), then orbit lines of 202 characters in the MPC
# export layout: numbered objects "(n) Name" first, then provisional designations.
awk -v n="$n" 'BEGIN {
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

