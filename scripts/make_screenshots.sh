#!/usr/bin/env bash
# Redraws the README's pictures of the window (docs/window-datasheet.png,
# docs/window-graphs.png, docs/window-operating-points.png and
# docs/window-stacks.png) from the
# program itself, on the sample catalogue, without a display.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset dev >/dev/null
cmake --build --preset dev --target vantiq-screenshot sample_base
QT_QPA_PLATFORM=offscreen build/dev/tools/screenshot/vantiq-screenshot build/dev/data/Base.tmb docs
echo "Wrote the pictures of the window to docs/"
