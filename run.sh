#!/usr/bin/env bash
# Installs what building and running Kelvara needs, builds the program (not the tests) and
# starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh run
cmake --preset program >/dev/null
cmake --build --preset program --target kelvara
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found. Kelvara is a desktop program; run it on a virtual display with:"
  echo "  xvfb-run -s '-screen 0 1280x1024x24' $(pwd)/build/program/bin/kelvara"
  exit 1
fi
exec build/program/bin/kelvara "$@"
