#!/usr/bin/env bash
# Brings every translations/vagaris_<lang>.ts up to date with the sources: a new text comes in
# unfinished (translate it with Qt Linguist or an editor), a text gone from the sources is
# dropped. Spanish is the language of the sources. Run from anywhere; the test of the
# translation file runs it on a copy of the tree.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate="${LUPDATE:-/usr/lib/qt6/bin/lupdate}"
for ts in translations/vagaris_*.ts; do
    lang="${ts##*/vagaris_}"
    lang="${lang%.ts}"
    "$lupdate" -silent -I . -no-obsolete -locations none -source-language es \
        -target-language "$lang" shell toolkit pictures settings translations outputs orbitview catalogs cli -ts "$ts"
done
