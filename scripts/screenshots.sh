#!/usr/bin/env bash
# Renders the windows to docs/screenshots/*.png (offscreen, no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset tests >/dev/null
cmake --build --preset tests --target kelvara_screenshots
build/tests/bin/kelvara_screenshots docs/screenshots
# The reports as pictures of their pages.
for report in report-4 sizing-report project-report; do
  pdftoppm -png -r 60 -singlefile "docs/screenshots/$report.pdf" "docs/screenshots/$report"
  rm "docs/screenshots/$report.pdf"
done
ls docs/screenshots
