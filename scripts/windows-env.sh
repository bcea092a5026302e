# Sourced by the Windows scripts: unpacks the MinGW-built Qt into the cache folder once
# and sets up Wine to run what is built against it. Every location can be overridden:
#   QUILLON_CACHE       cache folder (default ${XDG_CACHE_HOME:-~/.cache}/quillon)
#   QUILLON_TOOLCHAINS  folder holding qt-6.4.2-mingw64.tar.xz (default ../shared/toolchains
#                       beside the repository)
#   QUILLON_WINEPREFIX  Wine prefix for builds and tests (default <cache>/wineprefix), so
#                       the user's own ~/.wine is never touched
quillon_repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
QUILLON_CACHE="${QUILLON_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quillon}"
QUILLON_TOOLCHAINS="${QUILLON_TOOLCHAINS:-$quillon_repo/../shared/toolchains}"
export QUILLON_WINDOWS_QT="${QUILLON_WINDOWS_QT:-$QUILLON_CACHE/qt-6.4.2-mingw64}"

if [[ ! -f "$QUILLON_WINDOWS_QT/lib/cmake/Qt6/qt.toolchain.cmake" ]]; then
    tarball="$QUILLON_TOOLCHAINS/qt-6.4.2-mingw64.tar.xz"
    [[ -f "$tarball" ]] || { echo "windows-env.sh: no $tarball (set QUILLON_TOOLCHAINS)" >&2; return 1 2>/dev/null || exit 1; }
    # Unpacked beside its final place and moved in one step: an interrupted unpack never
    # passes for a whole one.
    mkdir -p "$(dirname "$QUILLON_WINDOWS_QT")"
    partial="$(mktemp -d "$(dirname "$QUILLON_WINDOWS_QT")/.unpack-XXXXXX")"
    tar -C "$partial" -xJf "$tarball"
    rm -rf "$QUILLON_WINDOWS_QT"
    mv "$partial/qt-6.4.2-mingw64" "$QUILLON_WINDOWS_QT"
    rmdir "$partial"
fi

export WINEPREFIX="${QUILLON_WINEPREFIX:-$QUILLON_CACHE/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-winemenubuilder.exe=d;mscoree=d;mshtml=d}"
# Programs run from the build tree find Qt and the MinGW runtime through WINEPATH.
quillon_mingw_runtime="$(dirname "$(readlink -f "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")")"
quillon_gcc_runtime="$(dirname "$(readlink -f "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")")"
export WINEPATH="$QUILLON_WINDOWS_QT/bin;$quillon_gcc_runtime;$quillon_mingw_runtime"
# Wine hands Windows programs no Unix QT_* variables; a WINE prefix gets them through.
export WINEQT_PLUGIN_PATH="Z:$QUILLON_WINDOWS_QT/plugins"
export WINEQT_FORCE_STDERR_LOGGING=1
export WINEQT_QPA_FONTDIR="Z:/usr/share/fonts/truetype/dejavu"

# A new prefix takes 10-20 s to set up; do it once, before tests run side by side.
quillon_wine_ready() {
    if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
        mkdir -p "$WINEPREFIX"
        /usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1 || true
        wineserver -w
    fi
}

# The Windows build precompiles the Qt headers; ccache caches such files only when told
# to accept them.
export CCACHE_SLOPPINESS="${CCACHE_SLOPPINESS:-pch_defines,time_macros,include_file_mtime,include_file_ctime}"
