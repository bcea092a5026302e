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
# Shared machines are noisy: the runs being compared are timed in alternating order over
# several rounds and the best round of each is compared, both in wall time and in
# processor time (user and system), which the disk's write-back moves far less.
#
# Run it on the kind of file system the tools live on: one with a journal (ext4 as
# installed, NTFS, XFS). Folders are moved aside while a run is set up and deleted at the
# start of the wait before each timed run (BENCH_SETTLE seconds, 5 by default), so that the
# page cache does not fill over the rounds.
#
# ext4 without a journal (scratch disks of virtual machines) will not reuse an inode freed
# in the last minutes and scans past each one when it makes a file: after a large deletion
# every new file pays for that, still more than a minute later, and timings swing 2-10x.
# There the script says so, keeps what it moved aside until the end (about 25 GB), and
# waits 40 s before each timed run for the inodes the run before freed itself.
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
mkdir "$work/trash"
settle="${BENCH_SETTLE:-5}"
purge=yes
read -r fstype device < <(findmnt -no FSTYPE,SOURCE --target "$work")
if [[ "$fstype" == ext4 ]] && ! compgen -G "/proc/fs/jbd2/$(basename "$device")-*" > /dev/null; then
    settle="${BENCH_SETTLE:-40}"
    purge=no
    echo "$work is on ext4 without a journal: figures will be noisy; waiting $settle s before each timed run"
fi

discard() { # moves folders aside: a rename frees no inode
    local folder
    for folder in "$@"; do
        if [[ -e "$folder" ]]; then mv "$folder" "$(mktemp -d "$work/trash/XXXXXX")/"; fi
    done
}
settle() {
    if [[ "$purge" == yes ]]; then rm -rf "$work/trash"; mkdir "$work/trash"; fi
    sync
    sleep "$settle"
}
now() { date +%s%N; }
tools() { # empty tool folders with the layout the runs check
    discard "$1"
    mkdir -p "$1/NCSEXPER/DATEN/BEN" "$1/NCSEXPER/SGDAT" "$1/NCSEXPER/WORK" "$1/EDIABAS/ECU" \
             "$1/EC-APPS/NFS/DATA" "$1/EC-APPS/NFS/SGDAT"
}
# "<wall> <cpu>" of a driver's line: "total 123 ms, cpu 45 ms"
figures() { awk -v key="$1" '$0 ~ "^" key " " {gsub(",", ""); print $(NF - 4), $(NF - 1)}' "$2"; }
lower() { [[ -z "$1" || "$2" -lt "$1" ]] && echo "$2" || echo "$1"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }

data="$work/SP-BEN"
"$driver" generate "$data" "$files" "$megabytes"
echo "data set: $(find "$data" -type f | wc -l) files, $(du -sm "$data" | cut -f1) MB"

engine_round() {
    tools "$work/engine"
    settle
    "$driver" install "$data" "$work/engine" > "$work/engine.txt"
    figures total "$work/engine.txt"
}
# The same copies with cp -a: SGDAT goes to both tools, DATEN into the chassis folder and
# its chassis files into DATEN, the DATA families into NFS\DATA.
cp_round() {
    tools "$work/cp"
    settle
    local TIMEFORMAT='%R %U %S' times
    times=$( { time {
        cp -a "$data/ECU/." "$work/cp/EDIABAS/ECU/"
        cp -a "$data/SGDAT/." "$work/cp/EC-APPS/NFS/SGDAT/"
        cp -a "$data/SGDAT/." "$work/cp/NCSEXPER/SGDAT/"
        cp -a "$data/DATEN/." "$work/cp/NCSEXPER/DATEN/BEN/"
        cp -a "$data/DATEN/BR_REF.DAT" "$data/DATEN/BENAT.000" "$work/cp/NCSEXPER/DATEN/"
        cp -a "$data/DATA/." "$work/cp/EC-APPS/NFS/DATA/"
    } ; } 2>&1 )
    awk '{printf "%d %d\n", $1 * 1000, ($2 + $3) * 1000}' <<< "$times"
}

best_engine=""; best_cp=""; cpu_engine=""; cpu_cp=""
for ((r = 1; r <= rounds; r++)); do
    if ((r % 2)); then read -r e ec < <(engine_round); read -r c cc < <(cp_round)
    else read -r c cc < <(cp_round); read -r e ec < <(engine_round); fi
    echo "round $r: install $e ms (cpu $ec), cp -a $c ms (cpu $cc)"
    best_engine=$(lower "$best_engine" "$e"); cpu_engine=$(lower "$cpu_engine" "$ec")
    best_cp=$(lower "$best_cp" "$c"); cpu_cp=$(lower "$cpu_cp" "$cc")
done
sed 's/^/  last install: /' "$work/engine.txt"

if ! diff -r "$work/engine" "$work/cp" > /dev/null; then
    echo "installed folders DIFFER from the cp -a copies" >&2
    exit 1
fi
echo "installed folders equal the cp -a copies"

settle
"$driver" install "$data" "$work/engine" > "$work/again.txt"
sed 's/^/  unchanged: /' "$work/again.txt"
again=$(awk '/^sp-daten/ {print $2}' "$work/again.txt")

echo "install (both runs), best of $rounds: $best_engine ms (cpu $cpu_engine)"
echo "cp -a of the same copies, best of $rounds: $best_cp ms (cpu $cpu_cp)"
echo "ratio: $(ratio "$best_engine" "$best_cp"), cpu $(ratio "$cpu_engine" "$cpu_cp") (goal <= 1.2)"
echo "unchanged Update SP-daten: $again ms (goal < 1000)"

# Install with backups, then restore both runs; best round of each.
best_backup=""; best_restore=""; cpu_backup=""; cpu_restore=""
for ((r = 1; r <= rounds; r++)); do
    tools "$work/restored"; tools "$work/pristine"; discard "$work/records"
    settle
    "$driver" restore "$data" "$work/restored" "$work/records" > "$work/restore.txt"
    read -r b bc < <(figures total "$work/restore.txt")
    read -r t tc < <(figures "restore total" "$work/restore.txt")
    echo "round $r: install with backups $b ms (cpu $bc), restore $t ms (cpu $tc)"
    best_backup=$(lower "$best_backup" "$b"); cpu_backup=$(lower "$cpu_backup" "$bc")
    best_restore=$(lower "$best_restore" "$t"); cpu_restore=$(lower "$cpu_restore" "$tc")
    if ! diff -r "$work/restored" "$work/pristine" > /dev/null; then
        echo "restored folders DIFFER from the folders before the install" >&2
        exit 1
    fi
done
sed 's/^/  last restore round: /' "$work/restore.txt"
echo "restored folders equal the folders before the install"
echo "install with backups (both runs), best of $rounds: $best_backup ms (cpu $cpu_backup)"
echo "restore (both runs), best of $rounds: $best_restore ms (cpu $cpu_restore)"
echo "ratio: $(ratio "$best_restore" "$best_backup"), cpu $(ratio "$cpu_restore" "$cpu_backup") (goal <= 1.2)"

# Over an earlier version: the same names, older times, so every file is replaced and
# backed up.
tools "$work/earlier"
"$driver" install "$data" "$work/earlier" > /dev/null
find "$work/earlier" -type f -exec touch -d 2000-01-01 {} +
over_backup() {
    discard "$work/over"; cp -a "$work/earlier" "$work/over"; settle
    "$driver" backup "$data" "$work/over" > "$work/over-backup.txt"
    figures total "$work/over-backup.txt"
}
over_record() {
    discard "$work/over" "$work/records"; cp -a "$work/earlier" "$work/over"; settle
    "$driver" restore "$data" "$work/over" "$work/records" > "$work/over.txt"
    if ! diff -r "$work/over" "$work/earlier" > /dev/null; then
        echo "restored folders DIFFER from the earlier version" >&2
        exit 1
    fi
    echo "$(figures total "$work/over.txt") $(figures "restore total" "$work/over.txt")"
}
best_plain=""; best_record=""; best_back=""; cpu_plain=""; cpu_record=""; cpu_back=""
for ((r = 1; r <= rounds; r++)); do
    if ((r % 2)); then read -r p pc < <(over_backup); read -r b bc t tc < <(over_record)
    else read -r b bc t tc < <(over_record); read -r p pc < <(over_backup); fi
    echo "round $r over an earlier version: backups alone $p ms (cpu $pc)," \
         "backups and record $b ms (cpu $bc), restore $t ms (cpu $tc)"
    best_plain=$(lower "$best_plain" "$p"); cpu_plain=$(lower "$cpu_plain" "$pc")
    best_record=$(lower "$best_record" "$b"); cpu_record=$(lower "$cpu_record" "$bc")
    best_back=$(lower "$best_back" "$t"); cpu_back=$(lower "$cpu_back" "$tc")
done
sed 's/^/  last round over an earlier version: /' "$work/over.txt"
echo "over an earlier version, best of $rounds: backups alone $best_plain ms (cpu $cpu_plain)," \
     "with record $best_record ms (cpu $cpu_record), restore $best_back ms (cpu $cpu_back)"
echo "record ratio: $(ratio "$best_record" "$best_plain"), cpu $(ratio "$cpu_record" "$cpu_plain") (goal <= 1.15)"
echo "restore ratio: $(ratio "$best_back" "$best_record"), cpu $(ratio "$cpu_back" "$cpu_record") (goal <= 1.2)"

# Five records of such an install, not restored, for the list and the window.
discard "$work/over" "$work/records"; cp -a "$work/earlier" "$work/over"
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
