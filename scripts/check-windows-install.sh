#!/usr/bin/env bash
# Installs dist/Quillon-*-win64-setup.exe silently under Wine, checks the installed
# quillon-cli.exe against the Linux build on the demo data, then uninstalls it and checks
# that the user's settings, coding log and update plan are still there.
#   scripts/check-windows-install.sh [linux quillon-cli]   (default build/default/src/quillon-cli)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$here/scripts/windows-env.sh"
linux_cli="${1:-$here/build/default/src/quillon-cli}"
setup="$(ls "$here"/dist/Quillon-*-win64-setup.exe | tail -n 1)"
quillon_wine_ready

fail() { echo "check-windows-install: $*" >&2; exit 1; }
wine_c() { /usr/lib/wine/wine64 cmd /c "$@" 2>/dev/null | tr -d '\r'; }
# The installed program must run from its own folder alone: no Qt or MinGW from the
# toolchain on its path, no plugin folder from outside.
installed() { env -u WINEPATH -u WINEQT_PLUGIN_PATH /usr/lib/wine/wine64 "$@" 2>/dev/null | tr -d '\r'; }

program_dir="$WINEPREFIX/drive_c/Program Files/Quillon"
# Nothing left from an earlier run may pass for this one's work.
rm -rf "$program_dir"
find "$WINEPREFIX/drive_c" -depth -path '*/Start Menu/Programs/Quillon' -exec rm -rf {} +
/usr/lib/wine/wine64 reg delete 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillon' /f >/dev/null 2>&1 || true
/usr/lib/wine/wine64 "$setup" /S
wineserver -w
for f in quillon.exe quillon-cli.exe Uninstall.exe Qt6Core.dll Qt6Widgets.dll libstdc++-6.dll \
         platforms/qwindows.dll imageformats/qjpeg.dll styles/qwindowsvistastyle.dll \
         translations/qtbase_de.qm; do
    [[ -f "$program_dir/$f" ]] || fail "the installer did not install $f"
done
# The Start menu of all users, or the installing user's where that is not an administrator.
find "$WINEPREFIX/drive_c" -path '*/Start Menu/Programs/Quillon/Quillon.lnk' | grep -q . \
    || fail "no Start-menu entry Quillon"

cli="C:\\Program Files\\Quillon\\quillon-cli.exe"
# Quillon's own German texts are built into quillon.exe (a resource, named in UTF-16); Qt's
# (Yes, No, Open) come from translations/qtbase_de.qm beside it.
LC_ALL=C grep -qaP '\x00q\x00u\x00i\x00l\x00l\x00o\x00n\x00_\x00d\x00e' "$program_dir/quillon.exe" \
    || fail "quillon.exe carries no German translation"

[[ "$(installed "$cli" --version)" == "$("$linux_cli" --version)" ]] || fail "--version differs from the Linux build"

# The demo data is reached through Wine's Z: drive; paths in the output are compared with
# the Linux build's after turning separators round.
cd "$here"
values=(values --ncs demo/NCSEXPER --chassis DEM --module LCM_DEM.C05 demo/NCSEXPER/WORK/FSW_PSW.TRC)
# The demo trace holds a function its module lacks: both end with exit code 1 and say so
# on standard error; standard output is what is compared.
expected="$("$linux_cli" "${values[@]}" 2>/dev/null)" || true
actual="$(installed "$cli" "${values[@]}" | tr '\\' '/')" || true
[[ -n "$expected" ]] || fail "the Linux build printed nothing for: ${values[*]}"
diff <(echo "$expected") <(echo "$actual") || fail "values on the demo data differs from the Linux build"
echo "installed quillon-cli.exe: --version and values match the Linux build ($(wc -l <<<"$expected") lines)"

# What the user made stays after the uninstaller has run.
appdata="$(winepath -u "$(wine_c echo %APPDATA%)" 2>/dev/null)"
mkdir -p "$appdata/Quillon"
echo "[Settings]" > "$appdata/Quillon/Quillon.ini"
echo "log" > "$program_dir/Codinglog.txt"
echo "plan" > "$program_dir/Updateplan.txt"
/usr/lib/wine/wine64 "$program_dir/Uninstall.exe" /S "_?=C:\\Program Files\\Quillon"
wineserver -w
[[ ! -e "$program_dir/quillon.exe" && ! -e "$program_dir/Qt6Core.dll" ]] || fail "the uninstaller left the program"
for kept in "$appdata/Quillon/Quillon.ini" "$program_dir/Codinglog.txt" "$program_dir/Updateplan.txt"; do
    [[ -f "$kept" ]] || fail "the uninstaller removed $kept"
done
rm -rf "$program_dir" "$appdata/Quillon"
echo "uninstaller removed the program and kept the settings, coding log and update plan"
