#!/usr/bin/env bash
# Redraws the application icon's bitmaps (48 and 256 px) from its SVG, which is
# the one drawing of the icon; run it after changing the SVG and commit both.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../packaging/icons"
id=io.github.kestrin.Vantiq
for size in 48 256; do
    mkdir -p "$size"
    rsvg-convert --width "$size" --height "$size" --output "$size/$id.png" "$id.svg"
done
