#!/usr/bin/env bash
# One command for a fresh Debian 12 / Ubuntu machine:
#   scripts/setup.sh demo   install dependencies, build, start Quillon on the demo data
#   scripts/setup.sh test   install dependencies, build, run every test
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
mode="${1:-}"
case "$mode" in
    demo|test) ;;
    *) echo "usage: scripts/setup.sh demo|test" >&2; exit 2 ;;
esac

"$here/scripts/install-deps.sh"

preset="${QUILLON_PRESET:-default}"
cmake --preset "$preset" -S "$here"
cmake --build --preset "$preset" --parallel "$(nproc)"

if [[ "$mode" == test ]]; then
    ctest --preset "$preset" --parallel "$(nproc)"
else
    exec "$here/scripts/run-demo.sh" "$here/build/$preset/src/quillon"
fi
