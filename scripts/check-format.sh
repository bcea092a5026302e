#!/usr/bin/env bash
# Fails when a C++ file of the project is not formatted as .clang-format says.
#   scripts/check-format.sh         check every tracked C++ file
#   scripts/check-format.sh --fix   format them in place
# The formatter's output changes between its major versions, so one version is the rule.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

formatter=clang-format-14
if ! command -v "$formatter" >/dev/null; then
    sudo=""
    [[ $(id -u) -ne 0 ]] && sudo="sudo"
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends clang-format-14 >/dev/null
fi

mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [[ "${1:-}" == --fix ]]; then
    "$formatter" -i "${files[@]}"
else
    "$formatter" --dry-run --Werror "${files[@]}"
    echo "format check: ${#files[@]} files as .clang-format says"
fi
