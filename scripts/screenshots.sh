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
# The main window of the installed Windows program under Wine, when the Windows build is there
# (scripts/windows.sh).
if ls build/windows/kelvara-*-win64.exe >/dev/null 2>&1; then
  xvfb-run -a -s '-screen 0 1280x1024x24' \
    tests/windows/check_installer.sh build/windows docs/screenshots/windows-main.png
fi
