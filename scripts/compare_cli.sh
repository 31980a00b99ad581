#!/usr/bin/env bash
# Runs two builds of vagaris-cli over the same fixed-instant cases and compares what they
# print, their exit codes and the files they write: the check that a change of how the code is
# put together changes no result. Each case runs in the same private program folder (the five
# sample catalogs copied into it) and writes into the same output folder for both builds, so
# paths print alike.
#
#   scripts/compare_cli.sh OLD/vagaris-cli NEW/vagaris-cli
#
# Prints the number of cases and every difference; stderr differences are listed apart.
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
S="$(cd "$here/../data/samples" && pwd)"
old="$(realpath "$1")"; new="$(realpath "$2")"
work="$(mktemp -d /tmp/vagaris-compare-XXXXXX)"
trap 'rm -rf "$work"' EXIT

C="--catalog $S/CometsCR.dat"
A="--catalog $S/NeosAndUnusualCR.dat"
B="--catalog $S/BrightMinorPlanetsCR.dat"
AT="--at '21/11/2025 22:00:00'"
cases=(
"version|--version"
"help|--help"
"nocmd|"
"badcmd|nosuch"
"badopt|--nosuch"
"manual-es|--manual-page"
"manual-en|--lang en --manual-page"
"lang-bad|--lang xx --help"
)
for c in circumstances ephemeris orbit chart search download antitail tisserand tonight; do
  cases+=("help-$c|$c --help" "help-en-$c|--lang en $c --help" "usage-$c|$c")
done
cases+=(
"circ-std|circumstances $C --object 0 $AT"
"circ-std-lat|circumstances $C --object 3 $AT --lat -33"
"circ-prec|circumstances $C --object 0 $AT --model precise --lat 40 --lon -3.7 --alt 600"
"circ-prec-geo|circumstances $C --object 0 $AT --model precise --geocentric"
"circ-prec-2b|circumstances $C --object 0 $AT --model precise --two-body"
"circ-ast|circumstances $A --object 5 $AT"
"circ-ast-prec|circumstances $A --object 5 $AT --model precise"
"circ-name|circumstances $C --name halley $AT"
"circ-name-many|circumstances $C --name P/ $AT"
"circ-en|--lang en circumstances $C --object 0 $AT --cartesian --per-hour"
"circ-fwhm|circumstances $B --object 2 $AT --fwhm 3.5 --exposure-format minsec"
"circ-badlat|circumstances $C --object 0 $AT --lat 91"
"circ-badlat2|circumstances $C --object 0 $AT --lat abc"
"circ-badat|circumstances $C --object 0 --at 32/13/2025"
"circ-nocat|circumstances --catalog /nonexistent.dat --object 0 $AT"
"circ-badobj|circumstances $C --object 99999 $AT"
"circ-stray|circumstances $C --object 0 $AT extra"
"eph-std|ephemeris $C --object 0 $AT --rows 12"
"eph-prec|ephemeris $C --object 0 $AT --rows 5 --model precise"
"eph-csv|ephemeris $A --object 2 $AT --rows 8 --csv"
"eph-file|ephemeris $C --object 1 $AT --rows 6 -o \$OUT/eph.txt"
"eph-en|--lang en ephemeris $C --object 0 $AT --rows 4"
"eph-badrows|ephemeris $C --object 0 $AT --rows 0"
"orbit-gif|orbit $C --object 0 $AT --tilt 30 -o \$OUT/o1.gif"
"orbit-bmp|orbit $A --object 3 $AT --azimuth 40 --scale 12 -o \$OUT/o2.bmp"
"orbit-seq|orbit $C --object 0 $AT --frames 3 --step 10 --unit dias -o \$OUT/seq.bmp"
"orbit-anim|orbit $C --object 2 $AT --frames 3 --animated -o \$OUT/anim.gif"
"orbit-web|orbit $C --object 0 $AT --web --plane --planets 1,2,3 -o \$OUT/web.gif"
"orbit-prec|orbit $C --object 0 $AT --model precise -o \$OUT/op.gif"
"orbit-noout|orbit $C --object 0 $AT"
"orbit-badtilt|orbit $C --object 0 $AT --tilt 100 -o \$OUT/x.gif"
"orbit-animbmp|orbit $C --object 0 $AT --frames 2 --animated -o \$OUT/x.bmp"
"chart-csv|chart $C --object 0 $AT --csv"
"chart-csv2|chart $A --object 1 $AT --csv --left 3 --right 5 --span 60"
"chart-bmp|chart $C --object 0 $AT -o \$OUT/c.bmp"
"chart-gif|chart $C --object 0 $AT -o \$OUT/c.gif --model precise"
"chart-both|chart $C --object 0 $AT"
"search-ceres|search --mpcorb $S/MPCORB.excerpt.dat ceres $AT"
"search-num|search --mpcorb $S/MPCORB.excerpt.dat 4 $AT"
"search-prec|search --mpcorb $S/MPCORB.excerpt.dat vesta $AT --model precise"
"search-none|search --mpcorb $S/MPCORB.excerpt.dat zzqq"
"search-nofile|search --mpcorb /nonexistent zz"
"dl-bad|download nosuch"
"dl-two|download comets neos"
"dl-badtime|download comets --timeout 0"
"anti|antitail $C --year 2025"
"anti-prec|antitail $C --year 2026 --model precise"
"anti-badyear|antitail $C --year abc"
"tis|tisserand --a 17.8 --e 0.967 --i 162.3 --title Halley"
"tis-bad|tisserand --a -1 --e 0.5 --i 10"
"tis-en|--lang en tisserand --a 3 --e 0.1 --i 5"
"night|tonight --all-catalogs --date 21/11/2025 --lat 40 --lon -3.7"
"night-json|tonight --all-catalogs --date 21/11/2025 --lat 40.5 --lon -3.7 --json"
"night-csv|tonight --all-catalogs --date 21/11/2025 --lat -30 --lon 70 --csv --sort alt --limit 20"
"night-prec|tonight --all-catalogs --date 21/11/2025 --lat 40 --lon -3.7 --model precise --limit 30"
"night-mpc|tonight --mpcorb $S/MPCORB.excerpt.dat --date 21/11/2025 --lat 40 --lon -3.7 --mag 12"
"night-mpc-json|tonight --mpcorb $S/MPCORB.excerpt.dat --catalog $S/CometsCR.dat --date 02/03/2026 --lat 52 --json --moon-down"
"night-file|tonight --all-catalogs --date 21/11/2025 --lat 40 -o \$OUT/night.txt"
"night-badlat|tonight --all-catalogs --date 21/11/2025 --lat 95"
"night-badtw|tonight --all-catalogs --date 21/11/2025 --twilight dusk"
"night-en|--lang en tonight --all-catalogs --date 21/11/2025 --lat 40 --limit 5"
)

# run BINARY DEST: every case, its stdout, stderr, exit code and files under DEST.
run() {
    local bin="$1" dest="$2" home="$work/home" run="$work/run"
    rm -rf "$run"; mkdir -p "$run" "$dest"
    for c in "${cases[@]}"; do
        local name="${c%%|*}" args="${c#*|}"
        OUT="$run/$name.files"; mkdir -p "$OUT"
        rm -rf "$home"; mkdir -p "$home"; cp "$S"/*CR.dat "$home/"
        eval "set -- $args"
        (cd "$home" && env -i PATH=/usr/bin:/bin HOME="$home" VAGARIS_HOME="$home" \
            QT_QPA_PLATFORM=offscreen "$bin" "$@" > "$run/$name.out" 2> "$run/$name.err"
         echo $? > "$run/$name.rc")
    done
    rm -rf "$dest"; mv "$run" "$dest"
}
run "$old" "$work/old"
run "$new" "$work/new"
echo "${#cases[@]} cases"
echo "differences in stdout, exit codes and written files:"
diff -rq "$work/old" "$work/new" | grep -v '\.err differ' | sed "s|$work/||g" || echo "  none"
echo "differences on stderr:"
diff -rq "$work/old" "$work/new" | grep '\.err differ' | sed "s|$work/||g" || echo "  none"
