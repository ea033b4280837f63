#!/usr/bin/env bash
# Renders the SVG icons of resources/icons (the sources) to the PNG images the programs use: each at
# its own size and at twice that size ("@2x", for high-density screens). Qt then needs no SVG support,
# which its Windows build here lacks. Run after changing an SVG; needs rsvg-convert (librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../resources/icons"
for svg in *.svg; do
    name=${svg%.svg}
    size=$(sed -n 's/^<svg[^>]* width="\([0-9]*\)".*/\1/p' "$svg" | head -n1)
    [ -n "$size" ] || { echo "$svg: no width" >&2; exit 1; }
    rsvg-convert -w "$size" -h "$size" -f png -o "$name.png" "$svg"
    rsvg-convert -w $((size * 2)) -h $((size * 2)) -f png -o "$name@2x.png" "$svg"
done
