#!/usr/bin/env bash
# Takes docs/screenshot-<platform>.png: Quillon on the demo data on a virtual X display.
#   scripts/screenshot.sh linux     build/default/src/quillon (xcb)
#   scripts/screenshot.sh windows   build/windows/src/quillon.exe under Wine (windows plugin)
# A language as second argument takes the window in that language instead of English:
#   scripts/screenshot.sh linux de  docs/screenshot-linux-de.png
# A window as third argument loads the demo trace and takes that window instead (English):
#   scripts/screenshot.sh linux en find-module   docs/screenshot-find-module.png
#   scripts/screenshot.sh linux en history       docs/screenshot-history.png
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
platform="${1:-}"
language="${2:-en}"
[[ "$language" == en || "$language" == de ]] || { echo "screenshot.sh: the window speaks en or de" >&2; exit 2; }
display=":${QUILLON_SCREENSHOT_DISPLAY:-97}"
scratch="$(mktemp -d "${TMPDIR:-/tmp}/quillon-shot-XXXXXX")"
out="$here/docs/screenshot-$platform.png"
[[ "$language" != en ]] && out="$here/docs/screenshot-$platform-$language.png"
view="${3:-main}"
case "$view" in
    main) ;;
    find-module | history)
        # The way there clicks the designed places of the Linux window and uses English
        # menu mnemonics.
        [[ "$platform" == linux && "$language" == en ]] \
            || { echo "screenshot.sh: the $view window is taken on linux in English" >&2; exit 2; }
        out="$here/docs/screenshot-$view.png"
        ;;
    *) echo "screenshot.sh: the windows are main, find-module and history" >&2; exit 2 ;;
esac

Xvfb "$display" -screen 0 1280x860x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
program=""
cleanup() {
    [[ -n "$program" ]] && kill "$program" 2>/dev/null || true
    [[ "$platform" == windows ]] && wineserver -k 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
export DISPLAY="$display"

# The demo's folders, named the way the platform names them.
cp -a "$here/demo/." "$scratch/"
mkdir -p "$scratch/program" "$scratch/NCSEXPER/SGDAT" "$scratch/EC-APPS/NFS/DATA" "$scratch/EC-APPS/NFS/SGDAT"
[[ -d "$scratch/program-files" ]] && cp -a "$scratch/program-files/." "$scratch/program/"
case "$platform" in
    linux)
        root="$scratch"
        run=("$here/build/default/src/quillon")
        export QT_QPA_PLATFORM=xcb
        ;;
    windows)
        # Its own Wine prefix: the server of this one keeps the virtual display, and
        # stopping it afterwards ends nothing else.
        export QUILLON_WINEPREFIX="${QUILLON_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quillon}/wineprefix-display"
        source "$here/scripts/windows-env.sh"
        quillon_wine_ready
        # Wine's own dialog font ("MS Shell Dlg", a Tahoma that Qt cannot use) would make
        # Qt fall back to the first font it knows, a serif one. Windows 10 gives programs
        # Segoe UI 9 pt; the nearest font here is Liberation Sans at the same size.
        fc-list | grep -q "Liberation Sans" \
            || { echo "screenshot.sh: install fonts-liberation first (the nearest font to Segoe UI)" >&2; exit 1; }
        python3 - "$scratch/font.reg" <<'PY'
import sys
face = "Liberation Sans".encode("utf-16-le")
def logfont(weight):
    head = bytes.fromhex("F4FFFFFF" + "00" * 12 + weight + "00" * 7 + "22")
    return ",".join("%02x" % b for b in head + face + bytes(64 - len(face)))
lines = ["Windows Registry Editor Version 5.00", "",
         "[HKEY_CURRENT_USER\\Control Panel\\Desktop\\WindowMetrics]"]
for key in ("MessageFont", "MenuFont", "StatusFont", "IconFont", "SmCaptionFont"):
    lines.append('"%s"=hex:%s' % (key, logfont("90010000")))
lines.append('"CaptionFont"=hex:%s' % logfont("BC020000"))
open(sys.argv[1], "w").write("\r\n".join(lines) + "\r\n")
PY
        /usr/lib/wine/wine64 regedit /S "$scratch/font.reg"
        wineserver -w
        root="Z:${scratch//\//\\}"
        run=(/usr/lib/wine/wine64 "$here/build/windows/src/quillon.exe")
        ;;
    *) echo "usage: scripts/screenshot.sh linux|windows [en|de]" >&2; exit 2 ;;
esac
sep=/; [[ "$platform" == windows ]] && sep='\'
cat > "$scratch/settings.ini" <<INI
[Settings]
FolderNCS=$root${sep}NCSEXPER
FolderEDIABAS=$root${sep}EDIABAS
FolderNFS=$root${sep}EC-APPS${sep}NFS
FolderBackup=$root${sep}backup
INI

"${run[@]}" --settings "$root${sep}settings.ini" --program-folder "$root${sep}program" \
    --history-folder "$root${sep}history" --lang "$language" >"$scratch/quillon.log" 2>&1 &
program=$!
window=""
for _ in $(seq 1 120); do
    window="$(xdotool search --onlyvisible --name '^Quillon' 2>/dev/null | head -n 1)" && [[ -n "$window" ]] && break
    sleep 1
done
[[ -n "$window" ]] || { cat "$scratch/quillon.log" >&2; echo "screenshot.sh: no Quillon window appeared" >&2; exit 1; }
sleep 3 # let it finish painting

# Waits for the program's window titled $1 and prints its id.
wait_for_window() {
    local found=""
    for _ in $(seq 1 30); do
        found="$(xdotool search --onlyvisible --name "^$1" 2>/dev/null | head -n 1)" && [[ -n "$found" ]] && break
        sleep 1
    done
    [[ -n "$found" ]] || { echo "screenshot.sh: no window \"$1\" appeared" >&2; exit 1; }
    echo "$found"
}
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 1.5; }
shot="$window"
if [[ "$view" != main ]]; then
    click 88 63 # "Load TRC-file"
    if [[ "$view" == find-module ]]; then
        click 194 127 # the chassis box; its one chassis is highlighted
        xdotool key Return
        sleep 1
        xdotool key alt+e f
        shot="$(wait_for_window 'Find module')"
        sleep 2
        xdotool key Down Down # a look-alike module, so the window says what it lacks
    else
        xdotool key alt+e h
        shot="$(wait_for_window 'Coding history')"
        sleep 1
        xdotool key Down # the demo's earlier save, with the values a restore would change
    fi
    sleep 2
fi
import -window "$shot" "$out"
echo "$out: $(identify -format '%wx%h' "$out")"
