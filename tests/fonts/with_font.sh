#!/usr/bin/env bash
# Runs a command with fontconfig limited to one family given for "Arial":
#   with_font.sh CONF FONT_FILE COMMAND...
# Skips (status 77) when the family's file is not installed; scripts/setup.sh test installs it.
set -euo pipefail
conf=$1 font=$2
shift 2
if [ ! -e "$font" ]; then
  echo "SKIPPED: $font is not installed (scripts/setup.sh test installs it)"
  exit 77
fi
export FONTCONFIG_FILE=$conf
# Fail rather than test under another family than the one asked for.
matched=$(fc-match -f '%{file}' Arial)
if [ "$matched" != "$font" ]; then
  echo "\"Arial\" is $matched under $conf, not $font" >&2
  exit 1
fi
exec "$@"
