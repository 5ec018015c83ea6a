#!/usr/bin/env bash
# Sets up, builds and starts Kelvara.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
cmake --preset dev >/dev/null
cmake --build --preset dev
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found. Kelvara is a desktop program; run it on a virtual display with:"
  echo "  xvfb-run -s '-screen 0 1280x1024x24' $(pwd)/build/dev/bin/kelvara"
  exit 1
fi
exec build/dev/bin/kelvara "$@"
