#!/usr/bin/env bash
# Renders the application icon's PNG sizes from packaging/icons/quillon.svg. The PNGs are
# committed, so building a package needs no SVG renderer; run this after changing the SVG.
# Needs rsvg-convert (Debian's librsvg2-bin).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../packaging/icons"
for size in 16 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" quillon.svg --output "quillon-$size.png"
done
# The Windows icon holds the same sizes in one file (ImageMagick's convert).
convert quillon-16.png quillon-24.png quillon-32.png quillon-48.png quillon-64.png quillon-256.png \
        ../windows/quillon.ico
