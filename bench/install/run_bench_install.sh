#!/usr/bin/env bash
# Installs a generated SP-daten data set (20,000 files, about 1 GB) into empty tool folders
# with the installation engine, copies the same folders with cp -a, and runs the install
# again unchanged. Goals: the install at most 1.2 x cp -a; the unchanged Update SP-daten
# (which compares dates) under one second. Update WinKFP replaces its folders whole on
# every run by design, so its repeat is reported but has no goal. Then the same install
# with backups and restore records, undone newest first: the restore at most 1.2 x that
# install, and the tool folders afterwards equal to the empty ones it started from.
# Then the same over an earlier version of the data set, so that the backups hold a full
# copy: the install with backups and a record at most 1.15 x the install with backups
# alone, the restore at most 1.2 x that install; "restore --list" of five such records
# under 0.2 s; the window open with them under 0.3 s, and its longest stall while it
# checks one under 100 ms.
#
# Shared machines are noisy: the install and cp -a are timed in alternating order over
# several rounds and the best round of each is compared.
#
#   bench/install/run_bench_install.sh [build folder]     (default: build/bench)
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${1:-$here/build/bench}"
driver="$build/bench/install/quillon_bench_install"
window="$build/bench/install/quillon_bench_restore_window"
cli="$build/src/quillon-cli"
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

# Over an earlier version: the same names, older times, so every file is replaced and
# backed up.
tools "$work/earlier"
"$driver" install "$data" "$work/earlier" > /dev/null
find "$work/earlier" -type f -exec touch -d 2000-01-01 {} +
over_backup() {
    rm -rf "$work/over"; cp -a "$work/earlier" "$work/over"; sync
    "$driver" backup "$data" "$work/over" | awk '/^total/ {print $2}'
}
over_record() {
    rm -rf "$work/over" "$work/records"; cp -a "$work/earlier" "$work/over"; sync
    "$driver" restore "$data" "$work/over" "$work/records" > "$work/over.txt"
    if ! diff -r "$work/over" "$work/earlier" > /dev/null; then
        echo "restored folders DIFFER from the earlier version" >&2
        exit 1
    fi
    echo "$(awk '/^total/ {print $2}' "$work/over.txt") $(awk '/^restore total/ {print $3}' "$work/over.txt")"
}
best_plain=""; best_record=""; best_back=""
for ((r = 1; r <= rounds; r++)); do
    if ((r % 2)); then p=$(over_backup); read -r b t < <(over_record); else read -r b t < <(over_record); p=$(over_backup); fi
    echo "round $r over an earlier version: backups alone $p ms, backups and record $b ms, restore $t ms"
    [[ -z "$best_plain" || "$p" -lt "$best_plain" ]] && best_plain=$p
    [[ -z "$best_record" || "$b" -lt "$best_record" ]] && best_record=$b
    [[ -z "$best_back" || "$t" -lt "$best_back" ]] && best_back=$t
done
sed 's/^/  last round over an earlier version: /' "$work/over.txt"
echo "over an earlier version, best of $rounds: backups alone $best_plain ms, with record $best_record ms, restore $best_back ms"
echo "record ratio: $(awk -v a="$best_record" -v b="$best_plain" 'BEGIN {printf "%.2f", a / b}') (goal <= 1.15)"
echo "restore ratio: $(awk -v a="$best_back" -v b="$best_record" 'BEGIN {printf "%.2f", a / b}') (goal <= 1.2)"

# Five records of such an install, not restored, for the list and the window.
rm -rf "$work/over" "$work/records" "$work/five"; cp -a "$work/earlier" "$work/over"
"$driver" record "$data" "$work/over" "$work/records" > /dev/null
mkdir -p "$work/five"
for record in "$work/records"/*sp-daten.txt; do
    for i in 1 2 3 4 5; do cp "$record" "$work/five/2020010${i}_000000_sp-daten.txt"; done
done
best_list=""
for ((r = 1; r <= 3; r++)); do
    start=$(now)
    "$cli" restore --list --records "$work/five" > "$work/list.txt"
    l=$(( ($(now) - start) / 1000000 ))
    [[ -z "$best_list" || "$l" -lt "$best_list" ]] && best_list=$l
done
echo "restore --list of $(wc -l < "$work/list.txt") records, best of 3: $best_list ms (goal < 200)"
sync
"$window" "$work/five"
