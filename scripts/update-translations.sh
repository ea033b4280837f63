#!/usr/bin/env bash
# Brings translations/*.ts up to date with the editor's sources: new texts come in unfinished, for a translator,
# and texts the sources no longer have go.
# Every language of the editor gets its file; scripts/fill-translations.py fills the unfinished entries from a table.
# Usage: scripts/update-translations.sh [new-language, e.g. nl]   (LUPDATE=... picks the lupdate)
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}
# The editor's languages besides English, its source language (ui/CMakeLists.txt embeds the same list).
languages=(de tr ru pl it es pt fr ar)
# The set(DISHLINE_TRANSLATED_SOURCES ...) call, over however many lines it runs.
sources=$(sed -n '/^set(DISHLINE_TRANSLATED_SOURCES /,/)$/p' tests/support/TranslationSources.cmake |
    sed 's/^set(DISHLINE_TRANSLATED_SOURCES //; s/)$//' | tr '\n' ' ')
options=$(sed -n 's/^set(DISHLINE_LUPDATE_OPTIONS \(.*\))$/\1/p' tests/support/TranslationSources.cmake)
if [ $# -gt 0 ]; then
    languages=("$@")
fi
for language in "${languages[@]}"; do
    ts=translations/dishline_$language.ts
    target=()
    [ -e "$ts" ] || target=(-target-language "$language")
    # shellcheck disable=SC2086
    "$lupdate" -silent -no-obsolete $options "${target[@]}" $sources -ts "$ts"
done
