#!/usr/bin/env bash
# Brings translations/quillon_de.ts up to date with the texts of the sources: new texts are
# added as unfinished, texts no longer used are dropped. Translate the new ones with Qt
# Linguist (linguist-qt6) or in the file itself, then commit it. With a path, updates that
# file instead (scripts/check-translations.sh uses a copy).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
lupdate=/usr/lib/qt6/bin/lupdate
"$lupdate" -silent -no-obsolete -locations none -source-language en -target-language de \
    src -ts "${1:-translations/quillon_de.ts}"
