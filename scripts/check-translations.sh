#!/usr/bin/env bash
# Fails when the window's German is not complete: a text of the sources without a German
# translation, one still marked unfinished, a translation whose text vanished from the
# sources, or one that loses a placeholder (%1), a line break or the menu mnemonic (&) of
# its English. Also fails when the committed .ts is not exactly what
# scripts/update-translations.sh makes of the sources. Reads a copy; changes nothing.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
ts=translations/quillon_de.ts
lupdate=/usr/lib/qt6/bin/lupdate
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Old texts kept, so a translation whose text is gone shows up as vanished.
cp "$ts" "$work/kept.ts"
"$lupdate" -silent -locations none -source-language en -target-language de src -ts "$work/kept.ts"

problems=$(awk 'BEGIN { RS = "</message>" }
function count(text, what,    copy) { copy = text; return gsub(what, "", copy) }
function between(text, opening, closing,    start, rest) {
    start = index(text, opening)
    if (!start) return ""
    rest = substr(text, start + length(opening))
    return substr(rest, 1, index(rest, closing) - 1)
}
/<source>/ {
    source = between($0, "<source>", "</source>")
    match($0, /<translation[^>]*>/)
    head = substr($0, RSTART, RLENGTH)
    translation = between(substr($0, RSTART), head, "</translation>")
    shown = source
    gsub(/<byte value="xd"\/>\n?/, "\\r\\n", shown)
    gsub(/&quot;/, "\"", shown); gsub(/&apos;/, "\047", shown); gsub(/&lt;/, "<", shown); gsub(/&gt;/, ">", shown)
    gsub(/&amp;/, "\\&", shown)
    if (head ~ /type="(vanished|obsolete)"/) { print "vanished:    " shown; next }
    if (head ~ /type="unfinished"/) { print "unfinished:  " shown; next }
    if (translation == "") { print "untranslated: " shown; next }
    for (n = 1; n <= 9; n++)
        if (count(source, "%" n) != count(translation, "%" n)) { print "placeholder %" n ": " shown; next }
    if (count(source, "<byte value=\"xd\"/>") != count(translation, "<byte value=\"xd\"/>")) { print "line breaks: " shown; next }
    if (count(source, "&amp;[^&]") != count(translation, "&amp;[^&]")) { print "mnemonic:    " shown; next }
}' "$work/kept.ts")
if [[ -n "$problems" ]]; then
    echo "$ts: the German is not complete:" >&2
    echo "$problems" >&2
    echo "Run scripts/update-translations.sh, translate what it lists, and commit the .ts." >&2
    exit 1
fi

cp "$ts" "$work/clean.ts"
bash scripts/update-translations.sh "$work/clean.ts"
if ! cmp -s "$ts" "$work/clean.ts"; then
    echo "$ts is not what scripts/update-translations.sh makes of the sources:" >&2
    diff "$ts" "$work/clean.ts" >&2 || true
    exit 1
fi
echo "translation check: $(grep -c '<message>' "$ts") texts, every one translated"
