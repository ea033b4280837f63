#!/usr/bin/env bash
# Brings translations/*.ts up to date with the editor's sources: new texts come in unfinished, for a translator.
# Usage: scripts/update-translations.sh [lupdate]
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${1:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}
sources=$(sed -n 's/^set(DISHLINE_TRANSLATED_SOURCES \(.*\)/\1/p; s/^    \(import.*\))$/\1/p' tests/support/TranslationSources.cmake)
options=$(sed -n 's/^set(DISHLINE_LUPDATE_OPTIONS \(.*\))$/\1/p' tests/support/TranslationSources.cmake)
# shellcheck disable=SC2086
"$lupdate" -silent $options $sources -ts translations/*.ts
