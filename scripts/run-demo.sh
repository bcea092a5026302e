#!/usr/bin/env bash
# Starts Quillon on a fresh copy of the bundled demo data. Everything it writes (the MAN
# file, the coding log, backups, its settings) stays in the scratch folder: the user's
# real settings and tool folders are never touched.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
quillon="${1:-$here/build/default/src/quillon}"
scratch="${QUILLON_DEMO_DIR:-${TMPDIR:-/tmp}/quillon-demo}"

rm -rf "$scratch"
mkdir -p "$scratch/program"
cp -a "$here/demo/." "$scratch/"
# Folders the tools expect, even where the demo ships no files.
mkdir -p "$scratch/NCSEXPER/DATEN" "$scratch/NCSEXPER/SGDAT" "$scratch/NCSEXPER/WORK" \
         "$scratch/EDIABAS/ECU" "$scratch/EC-APPS/NFS/DATA/GDATEN" "$scratch/EC-APPS/NFS/SGDAT"
if [[ -d "$scratch/program-files" ]]; then
    cp -a "$scratch/program-files/." "$scratch/program/"
fi

cat > "$scratch/settings.ini" <<INI
[Settings]
FolderNCS=$scratch/NCSEXPER
FolderEDIABAS=$scratch/EDIABAS
FolderNFS=$scratch/EC-APPS/NFS
FolderBackup=$scratch/backup
INI
mkdir -p "$scratch/backup"

echo "Demo data in $scratch"
exec "$quillon" --settings "$scratch/settings.ini" --program-folder "$scratch/program" \
     --history-folder "$scratch/history" "${@:2}"
