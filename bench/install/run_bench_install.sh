#!/usr/bin/env bash
# Installs a generated SP-daten data set (20,000 files, about 1 GB) into empty tool folders
# with the installation engine, copies the same folders with cp -a, and runs the install
# again unchanged. Goals: the install at most 1.2 x cp -a; the unchanged Update SP-daten
# (which compares dates) under one second. Update WinKFP replaces its folders whole on
# every run by design, so its repeat is reported but has no goal. Then the same install
# with backups and restore records, undone newest first: the restore at most 1.2 x that
# install, and the tool folders afterwards equal to the empty ones it started from.
#
# Shared machines are noisy: the install and cp -a are timed in alternating order over
# several rounds and the best round of each is compared.
#
#   bench/install/run_bench_install.sh [build folder]     (default: build/bench)
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${1:-$here/build/bench}"
driver="$build/bench/install/quillon_bench_install"
files="${BENCH_FILES:-20000}"
megabytes="${BENCH_MEGABYTES:-1024}"
rounds="${BENCH_ROUNDS:-3}"
work="$(mktemp -d "${TMPDIR:-/tmp}/quillon-bench-install.XXXXXX")"
trap 'rm -rf "$work"' EXIT

tools() { # empty tool folders with the layout the runs check
    rm -rf "$1"
    mkdir -p "$1/NCSEXPER/DATEN/BEN" "$1/NCSEXPER/SGDAT" "$1/NCSEXPER/WORK" "$1/EDIABAS/ECU" \
             "$1/EC-APPS/NFS/DATA" "$1/EC-APPS/NFS/SGDAT"
}
now() { date +%s%N; }

data="$work/SP-BEN"
"$driver" generate "$data" "$files" "$megabytes"
echo "data set: $(find "$data" -type f | wc -l) files, $(du -sm "$data" | cut -f1) MB"

engine_round() {
    tools "$work/engine"
    sync
    "$driver" install "$data" "$work/engine" > "$work/engine.txt"
    awk '/^total/ {print $2}' "$work/engine.txt"
}
# The same copies with cp -a: SGDAT goes to both tools, DATEN into the chassis folder and
# its chassis files into DATEN, the DATA families into NFS\DATA.
cp_round() {
    tools "$work/cp"
    sync
    local start; start=$(now)
    cp -a "$data/ECU/." "$work/cp/EDIABAS/ECU/"
    cp -a "$data/SGDAT/." "$work/cp/EC-APPS/NFS/SGDAT/"
    cp -a "$data/SGDAT/." "$work/cp/NCSEXPER/SGDAT/"
    cp -a "$data/DATEN/." "$work/cp/NCSEXPER/DATEN/BEN/"
    cp -a "$data/DATEN/BR_REF.DAT" "$data/DATEN/BENAT.000" "$work/cp/NCSEXPER/DATEN/"
    cp -a "$data/DATA/." "$work/cp/EC-APPS/NFS/DATA/"
    echo $(( ($(now) - start) / 1000000 ))
}

best_engine=""; best_cp=""
for ((r = 1; r <= rounds; r++)); do
    if ((r % 2)); then e=$(engine_round); c=$(cp_round); else c=$(cp_round); e=$(engine_round); fi
    echo "round $r: install $e ms, cp -a $c ms"
    [[ -z "$best_engine" || "$e" -lt "$best_engine" ]] && best_engine=$e
    [[ -z "$best_cp" || "$c" -lt "$best_cp" ]] && best_cp=$c
done
sed 's/^/  last install: /' "$work/engine.txt"

if ! diff -r "$work/engine" "$work/cp" > /dev/null; then
    echo "installed folders DIFFER from the cp -a copies" >&2
    exit 1
fi
echo "installed folders equal the cp -a copies"

sync
"$driver" install "$data" "$work/engine" > "$work/again.txt"
sed 's/^/  unchanged: /' "$work/again.txt"
again=$(awk '/^sp-daten/ {print $2}' "$work/again.txt")

echo "install (both runs), best of $rounds: $best_engine ms"
echo "cp -a of the same copies, best of $rounds: $best_cp ms"
echo "ratio: $(awk -v a="$best_engine" -v b="$best_cp" 'BEGIN {printf "%.2f", a / b}') (goal <= 1.2)"
echo "unchanged Update SP-daten: $again ms (goal < 1000)"

# Install with backups, then restore both runs; best round of each.
best_backup=""; best_restore=""
for ((r = 1; r <= rounds; r++)); do
    tools "$work/restored"; tools "$work/pristine"
    rm -rf "$work/records"
    sync
    "$driver" restore "$data" "$work/restored" "$work/records" > "$work/restore.txt"
    b=$(awk '/^total/ {print $2}' "$work/restore.txt")
    t=$(awk '/^restore total/ {print $3}' "$work/restore.txt")
    echo "round $r: install with backups $b ms, restore $t ms"
    [[ -z "$best_backup" || "$b" -lt "$best_backup" ]] && best_backup=$b
    [[ -z "$best_restore" || "$t" -lt "$best_restore" ]] && best_restore=$t
    if ! diff -r "$work/restored" "$work/pristine" > /dev/null; then
        echo "restored folders DIFFER from the folders before the install" >&2
        exit 1
    fi
done
sed 's/^/  last restore round: /' "$work/restore.txt"
echo "restored folders equal the folders before the install"
echo "install with backups (both runs), best of $rounds: $best_backup ms"
echo "restore (both runs), best of $rounds: $best_restore ms"
echo "ratio: $(awk -v a="$best_restore" -v b="$best_backup" 'BEGIN {printf "%.2f", a / b}') (goal <= 1.2)"
