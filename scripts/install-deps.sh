#!/usr/bin/env bash
# Installs the Debian packages Quillon builds and tests with, when any is missing.
set -euo pipefail

packages=(build-essential cmake ninja-build qt6-base-dev qt6-base-dev-tools libgl-dev
          libqt6test6 qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
          libbenchmark-dev libxxhash-dev clang libclang-rt-14-dev xvfb)
# `install-deps.sh windows`: also the MinGW cross compiler, Wine and NSIS for the Windows build.
if [[ "${1:-}" == windows ]]; then
    packages+=(g++-mingw-w64-x86-64-posix wine64 wine nsis)
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
