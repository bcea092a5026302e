#!/usr/bin/env bash
# Runs a Windows program of the cross build under Wine: CTest's emulator for the Windows
# build, and the screenshot and installer checks. The private prefix from windows-env.sh
# always wins over a WINEPREFIX the caller set, and QT_* variables are passed on.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/windows-env.sh"
quillon_wine_ready
while IFS='=' read -r name value; do
    [[ "$name" == QT_* ]] && export "WINE$name=$value"
done < <(env)
exec /usr/lib/wine/wine64 "$@"
