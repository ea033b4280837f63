#!/usr/bin/env bash
# Brings translations/*.ts up to date with the editor's sources: new texts come in unfinished, for a translator.
# Usage: scripts/update-translations.sh [new-language, e.g. fr]   (LUPDATE=... picks the lupdate)
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}
# The set(DISHLINE_TRANSLATED_SOURCES ...) call, over however many lines it runs.
sources=$(sed -n '/^set(DISHLINE_TRANSLATED_SOURCES /,/)$/p' tests/support/TranslationSources.cmake |
    sed 's/^set(DISHLINE_TRANSLATED_SOURCES //; s/)$//' | tr '\n' ' ')
options=$(sed -n 's/^set(DISHLINE_LUPDATE_OPTIONS \(.*\))$/\1/p' tests/support/TranslationSources.cmake)
if [ $# -gt 0 ]; then
    # shellcheck disable=SC2086
    "$lupdate" -silent $options -target-language "$1" $sources -ts "translations/dishline_$1.ts"
    exit 0
fi
# shellcheck disable=SC2086
"$lupdate" -silent $options $sources -ts translations/*.ts
