#!/usr/bin/env bash
# Builds an installable package into dist/:
#   scripts/package.sh deb       dist/quillon_<version>_amd64.deb (Debian 12 / Ubuntu)
#   scripts/package.sh windows   dist/Quillon-<version>-win64-setup.exe
# The deb needs dpkg-dev (dpkg-shlibdeps computes its dependencies from the binaries).
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$here"
mkdir -p dist

case "${1:-}" in
    deb)
        # An optimised build without the tests: the package holds only the program.
        cmake --preset package
        cmake --build --preset package --parallel "$(nproc)"
        rm -f build/package/quillon_*.deb
        (cd build/package && cpack -G DEB)
        deb=$(ls build/package/quillon_*_amd64.deb)
        rm -f dist/quillon_*_amd64.deb
        cp "$deb" dist/
        echo "dist/$(basename "$deb")"
        ;;
    windows)
        # The cross build the Windows tests run on (scripts/test-windows.sh), so a CI run
        # compiles it once; the installer holds only what its install rules deploy.
        source scripts/windows-env.sh
        cmake --preset windows -DQUILLON_WINDOWS_QT="$QUILLON_WINDOWS_QT" >/dev/null
        cmake --build --preset windows --parallel "$(nproc)"
        rm -rf build/windows/cpack
        cpack --config build/windows/CPackConfig.cmake -G NSIS -B build/windows/cpack
        setup=$(ls build/windows/cpack/Quillon-*-win64-setup.exe)
        rm -f dist/Quillon-*-win64-setup.exe
        cp "$setup" dist/
        echo "dist/$(basename "$setup")"
        ;;
    *)
        echo "usage: scripts/package.sh deb|windows" >&2
        exit 2
        ;;
esac
