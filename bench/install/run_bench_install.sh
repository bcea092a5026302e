#!/usr/bin/env bash
# Installs a generated SP-daten data set (20,000 files, about 1 GB) into empty tool folders
# with the installation engine, again unchanged, and copies the same folders with cp -a.
# Goals: first install at most 1.2 x cp -a; the unchanged run under one second. The
# unchanged figure is Update SP-daten's: Update WinKFP replaces its folders whole by design.
#
#   bench/install/run_bench_install.sh [build folder]     (default: build/bench)
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${1:-$here/build/bench}"
driver="$build/bench/install/quillon_bench_install"
files="${BENCH_FILES:-20000}"
megabytes="${BENCH_MEGABYTES:-1024}"
work="$(mktemp -d "${TMPDIR:-/tmp}/quillon-bench-install.XXXXXX")"
trap 'rm -rf "$work"' EXIT

tools() { # empty tool folders with the layout the runs check
    mkdir -p "$1/NCSEXPER/DATEN/BEN" "$1/NCSEXPER/SGDAT" "$1/NCSEXPER/WORK" "$1/EDIABAS/ECU" \
             "$1/EC-APPS/NFS/DATA" "$1/EC-APPS/NFS/SGDAT"
}
now() { date +%s%N; }

data="$work/SP-BEN"
"$driver" generate "$data" "$files" "$megabytes"
sync
echo "data set: $(find "$data" -type f | wc -l) files, $(du -sm "$data" | cut -f1) MB in $data"

tools "$work/engine"
"$driver" install "$data" "$work/engine" | tee "$work/engine.txt"

# The same copies with cp -a: SGDAT goes to both tools, DATEN into the chassis folder,
# the DATA families into NFS\DATA, plus the DATEN files the run copies into DATEN.
tools "$work/cp"
sync
start=$(now)
cp -a "$data/ECU/." "$work/cp/EDIABAS/ECU/"
cp -a "$data/SGDAT/." "$work/cp/EC-APPS/NFS/SGDAT/"
cp -a "$data/SGDAT/." "$work/cp/NCSEXPER/SGDAT/"
cp -a "$data/DATEN/." "$work/cp/NCSEXPER/DATEN/BEN/"
cp -a "$data/DATEN/BR_REF.DAT" "$data/DATEN/BENAT.000" "$work/cp/NCSEXPER/DATEN/"
cp -a "$data/DATA/." "$work/cp/EC-APPS/NFS/DATA/"
cp_ms=$(( ($(now) - start) / 1000000 ))

first_ms=$(awk '/^first total/ {print $3}' "$work/engine.txt")
again_ms=$(awk '/^unchanged sp-daten/ {print $3}' "$work/engine.txt")
replace_ms=$(awk '/^unchanged winkfp/ {print $3}' "$work/engine.txt")
echo "cp -a of the same copies: $cp_ms ms"
echo "install (both runs):      $first_ms ms, ratio $(awk -v a="$first_ms" -v b="$cp_ms" 'BEGIN {printf "%.2f", a / b}') (goal <= 1.2)"
echo "unchanged SP-daten run:   $again_ms ms for the files compared by date (goal < 1000)"
echo "  (Update WinKFP replaces the DATA families whole on every run: $replace_ms ms)"
if diff -r "$work/engine" "$work/cp" > /dev/null; then
    echo "installed folders equal the cp -a copies"
else
    echo "installed folders DIFFER from the cp -a copies" >&2
    exit 1
fi
