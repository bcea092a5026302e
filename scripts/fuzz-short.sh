#!/usr/bin/env bash
# The short fuzz pass of CI: builds the fuzz preset, then runs every target over its seed
# corpus plus a few thousand new inputs. Any crash, hang, leak, sanitizer report or broken
# check fails the script; the input that caused it is kept in build/fuzz/findings/.
#   scripts/fuzz-short.sh [new inputs per target, default 5000]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

runs="${1:-5000}"
targets=(fuzz_value_search fuzz_trace_load fuzz_translation fuzz_module_load fuzz_update_check
         fuzz_sgidc_edit fuzz_trace_compare fuzz_apply_history
         fuzz_restore_record fuzz_frame_reader)

cmake --preset fuzz
cmake --build --preset fuzz --parallel "$(nproc)" --target "${targets[@]}"

findings="$PWD/build/fuzz/findings"
mkdir -p "$findings"
for target in "${targets[@]}"; do
    # New inputs go to a scratch corpus, so the committed seeds stay as written.
    scratch="$(mktemp -d)"
    echo "== $target"
    log="$findings/$target.log"
    status=0
    build/fuzz/fuzz/"$target" "$scratch" "fuzz/corpus/$target" -runs="$runs" -timeout=10 -max_len=8192 \
        -max_total_time=120 -artifact_prefix="$findings/$target-" -print_final_stats=1 >"$log" 2>&1 || status=$?
    rm -rf "$scratch"
    grep -E '^(stat::number_of_executed_units|stat::average_exec_per_sec)' "$log" || true
    if [ "$status" -ne 0 ]; then
        tail -n 40 "$log" >&2
        echo "$target failed (exit $status); the input is in $findings" >&2
        exit 1
    fi
done
echo "fuzz pass: every target ran $runs new inputs without a finding"
