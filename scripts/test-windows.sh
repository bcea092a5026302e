#!/usr/bin/env bash
# Builds Quillon and its tests for Windows (MinGW cross build against the Qt in
# ../shared/toolchains) and runs the whole CTest suite under Wine, offscreen.
#   scripts/test-windows.sh [extra ctest arguments]
# QUILLON_JOBS sets the parallelism (default: the number of cores).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$here/scripts/windows-env.sh"
jobs="${QUILLON_JOBS:-$(nproc)}"

# Tests that cannot run under Wine, each with the reason. Everything else must pass.
declare -A not_under_wine=(
)

# Each fault-injection run repeats a whole installation per file operation; under Wine
# that outlasts Qt Test's five minutes per test function.
export QTEST_FUNCTION_TIMEOUT=1200000
quillon_wine_ready
# One Wine server (and its helper processes) for the whole run: started per test, it
# would cost seconds each time and hold the test's output open after it has ended.
wineserver -p </dev/null >/dev/null 2>&1 || true  # fails when one already runs
/usr/lib/wine/wine64 cmd /c exit </dev/null >/dev/null 2>&1
# The desktop too: left to the first test that needs one, it keeps that test's output
# open until the run ends, and ctest times the test at minutes.
/usr/lib/wine/wine64 explorer.exe /desktop </dev/null >/dev/null 2>&1 &
trap 'wineserver -k 2>/dev/null || true' EXIT
cd "$here"
cmake --preset windows -DQUILLON_WINDOWS_QT="$QUILLON_WINDOWS_QT" >/dev/null
cmake --build --preset windows --parallel "$jobs"

exclude=()
for name in "${!not_under_wine[@]}"; do
    echo "not run under Wine: $name (${not_under_wine[$name]})"
    exclude+=("^${name}\$")
done
pattern="$(IFS='|'; echo "${exclude[*]:-}")"
ctest --preset windows --parallel "$jobs" ${pattern:+-E "$pattern"} "$@"
