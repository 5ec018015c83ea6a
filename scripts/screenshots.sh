#!/usr/bin/env bash
# Renders the windows to docs/screenshots/*.png (offscreen, no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset tests >/dev/null
cmake --build --preset tests --target kelvara_screenshots
build/tests/bin/kelvara_screenshots docs/screenshots
# The report as a picture of its page.
pdftoppm -png -r 60 -singlefile docs/screenshots/report-4.pdf docs/screenshots/report-4
rm docs/screenshots/report-4.pdf
ls docs/screenshots
