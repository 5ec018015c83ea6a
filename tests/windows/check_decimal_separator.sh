#!/usr/bin/env bash
# The user's decimal separator under Wine: with "," in the user's settings it is "." while the
# program runs and "," again after the program closes through its closing question; a program
# that is killed leaves its record, and the next start puts the user's "," back.
# Needs an X display (xvfb-run -a) and xdotool.
#   tests/windows/check_decimal_separator.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
kelvara_wine_env "$build"
international='HKCU\Control Panel\International'
separator() { wine reg query "$international" /v sDecimal | tr -d '\r' | awk '/sDecimal/ {print $3}'; }
expect() {
  local got
  got=$(separator)
  [ "$got" = "$1" ] || { echo "FAILED: sDecimal is '$got' $2, expected '$1'"; exit 1; }
  echo "  sDecimal '$1' $2"
}
wine reg delete 'HKCU\Software\Kelvara' /f >/dev/null 2>&1 || true
wine reg add "$international" /v sDecimal /t REG_SZ /d , /f >/dev/null

kelvara_start "$build/bin"
expect . "while the program runs"
kelvara_close
expect , "after it closed through its closing question"

kelvara_start "$build/bin"
wine taskkill /f /im kelvara.exe >/dev/null
wait "$program" || true
expect . "after the program was killed"
kelvara_start "$build/bin"
expect . "while the next run runs"
kelvara_close
expect , "after the next run closed"
wine reg query 'HKCU\Software\Kelvara\Kelvara' /v SavedDecimalSeparator >/dev/null 2>&1 &&
  { echo "FAILED: the record of the user's separator stayed after a normal end"; exit 1; }
wine reg add "$international" /v sDecimal /t REG_SZ /d . /f >/dev/null
