#!/usr/bin/env bash
# Checks a built Debian package without installing it: unpacks it into a temporary folder,
# runs its quillon-cli on the demo data and compares every byte of output and the exit
# status with the build's own quillon-cli; starts its quillon far enough to print its help;
# validates the desktop entry, the AppStream metadata and (when lintian is there) the
# package; and checks that the changelog and the metadata name the package's version.
#   scripts/check-deb.sh [package.deb] [reference quillon-cli]
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
deb="${1:-$(ls "$here"/dist/quillon_*_amd64.deb)}"
reference="${2:-$here/build/default/src/quillon-cli}"
demo="$here/demo"

failures=0
fail() { echo "check-deb: FAIL: $*" >&2; failures=$((failures + 1)); }

root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
version="$(dpkg-deb -f "$deb" Version)"

# Runs one quillon-cli invocation with both programs; output and exit status must agree.
same_output() {
    local packaged_status=0 reference_status=0
    "$root/usr/bin/quillon-cli" "$@" >"$root/packaged.out" 2>&1 || packaged_status=$?
    "$reference" "$@" >"$root/reference.out" 2>&1 || reference_status=$?
    if ! cmp -s "$root/packaged.out" "$root/reference.out"; then
        fail "quillon-cli $* prints differently from $reference:"
        diff "$root/reference.out" "$root/packaged.out" | head -20 >&2 || true
    elif [[ $packaged_status -ne $reference_status ]]; then
        fail "quillon-cli $* ends with $packaged_status, the build's with $reference_status"
    elif [[ ! -s "$root/packaged.out" ]]; then
        fail "quillon-cli $* prints nothing"
    fi
}

same_output --version
grep -qx "quillon-cli $version" "$root/packaged.out" || fail "--version does not name the package's version $version"
trace="$demo/NCSEXPER/WORK/FSW_PSW.TRC"
same_output values --ncs "$demo/NCSEXPER" --chassis DEM --module LCM_DEM.C05 "$trace"
same_output values --ncs "$demo/NCSEXPER" --chassis DEM --module LCM_DEM.C05 --json "$trace"
same_output find-module --ncs "$demo/NCSEXPER" --chassis DEM "$trace"

# The window's program needs the display libraries the package depends on; --help is
# printed once they are loaded.
QT_QPA_PLATFORM=offscreen "$root/usr/bin/quillon" --help >"$root/window-help.out" 2>&1 \
    || fail "quillon --help fails: $(head -5 "$root/window-help.out")"
grep -q -- '--program-folder' "$root/window-help.out" || fail "quillon --help does not list its options"
# --help-all adds the window system's options, also where there is no display.
env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/quillon" --help-all >"$root/window-help-all.out" 2>&1 \
    || fail "quillon --help-all fails: $(head -5 "$root/window-help-all.out")"
grep -q -- '--platform' "$root/window-help-all.out" || fail "quillon --help-all does not list the window system's options"

desktop=("$root"/usr/share/applications/*.desktop)
metainfo=("$root"/usr/share/metainfo/*.metainfo.xml)
desktop-file-validate "${desktop[@]}" || fail "desktop entry ${desktop[*]##*/} does not validate"
appstreamcli validate --no-net "${metainfo[@]}" || fail "AppStream metadata does not validate"
icon="$(sed -n 's/^Icon=//p' "${desktop[@]}")"
[[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ]] || fail "no scalable icon $icon"
grep -q "<release version=\"$version\"" "${metainfo[@]}" || fail "AppStream metadata has no release $version"
zcat "$root/usr/share/doc/quillon/changelog.gz" | head -1 | grep -q "^quillon ($version)" \
    || fail "changelog's newest entry is not $version"
for page in quillon quillon-cli; do
    [[ -f "$root/usr/share/man/man1/$page.1.gz" ]] || fail "no manual page for $page"
done
# The manual page keeps up with the program: every command and every option its help texts
# name must appear in it, and the command must know the option.
manual="$(zcat "$root/usr/share/man/man1/quillon-cli.1.gz" | sed 's/\\-/-/g')"
commands="$("$root/usr/bin/quillon-cli" --help | sed -n '/^Commands:/,$p' | awk 'NR > 1 { print $1 }')"
[[ -n "$commands" ]] || fail "quillon-cli --help lists no commands"
for command in $commands; do
    grep -q "^\.B $command\b" <<<"$manual" || fail "the manual page does not describe $command"
    for option in $("$root/usr/bin/quillon-cli" "$command" --help | grep -o -- '--[a-z-]*[a-z]' | sort -u); do
        grep -qF -- "$option" <<<"$manual" || fail "the manual page does not name $command $option"
        answer="$("$root/usr/bin/quillon-cli" "$command" "$option" 2>&1 </dev/null || true)"
        [[ $answer != *"unknown option"* ]] || fail "quillon-cli $command does not know $option, which its help names"
    done
done
# The window's options too; --help prints them without a display.
gui_manual="$(zcat "$root/usr/share/man/man1/quillon.1.gz" | sed 's/\\-/-/g')"
for option in $("$root/usr/bin/quillon" --help | grep -o -- '--[a-z-]*[a-z]' | grep -v -- '--help-all' | sort -u); do
    grep -qF -- "$option" <<<"$gui_manual" || fail "the manual page of quillon does not name $option"
done

if command -v lintian >/dev/null; then
    # Errors and warnings fail the check; informational tags are only shown.
    lintian --fail-on error,warning --info "$deb" || fail "lintian reports errors or warnings"
fi

if [[ $failures -gt 0 ]]; then
    echo "check-deb: $failures check(s) failed for $deb" >&2
    exit 1
fi
echo "check-deb: $deb ($(stat -c %s "$deb") bytes, installed $(dpkg-deb -f "$deb" Installed-Size) KiB) passes"
