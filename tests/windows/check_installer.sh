#!/usr/bin/env bash
# The Windows installer under Wine, as a user meets it: installed silently into a fresh prefix,
# the installed program starts, shows "Kelvara 5" and closes through its closing question, the
# installed batch tool computes a reference line, and the uninstaller removes the program.
# Needs an X display (xvfb-run -a), xdotool and ImageMagick's import.
#   tests/windows/check_installer.sh BUILD_DIR [SCREENSHOT.png]
set -euo pipefail
build=$(cd "$1" && pwd)
shot=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
project=$(cd "$here/../.." && pwd)
cases=${KELVARA_REFERENCE_CASES:-$project/../shared/reference-cases}
installer=$(ls "$build"/kelvara-*-win64.exe)
source "$here/wine-env.sh"
rm -rf "$build/wine-install"
kelvara_wine_env "$build" wine-install
# The installed program must find its DLLs beside itself, not in the build's Qt.
unset WINEPATH
step() { echo "  $*"; }
fail() { echo "FAILED: $*"; exit 1; }

wine "$installer" /S
wineserver -w
program_files=$(wine cmd /c 'echo %ProgramW6432%' | tr -d '\r')
bin_dir="$program_files\\Kelvara\\bin"
bin=$(winepath -u "$bin_dir")
for f in kelvara.exe kelvara-cli.exe Kelvara.ini tt_p.txt HELP/kelvara.html LICENSE \
         licenses/LGPL-3.0.txt Qt6Core.dll platforms/qwindows.dll translations/qtbase_pl.qm; do
  [ -e "$bin/$f" ] || fail "the installer did not install $f into $bin"
done
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Kelvara"
[ -e "$menu/Kelvara.lnk" ] || fail "no Start-menu entry in $menu"
wine reg query 'HKLM\Software\Classes\Kelvara.Project\shell\open\command' | grep -q 'kelvara.exe" "%1"' ||
  fail ".kelvara files are not registered to open with kelvara.exe"
step "installed into $bin_dir, with a Start-menu entry and .kelvara registered"

# The installed batch tool: the first heat-loss reference case.
line=$(head -n 1 "$cases/2-pipe-heatloss.tsv" |
  (cd "$bin" && wine kelvara-cli.exe --data-dir "$(winepath -w "$cases/data")" pipe-heatloss))
[ "$line" = "$(head -n 1 "$cases/2-pipe-heatloss.expected")" ] ||
  fail "installed kelvara-cli.exe printed '$line'"
step "installed kelvara-cli.exe computes a reference line"

# The installed program on the windows platform: its main window, then closed on request.
kelvara_start "$bin"
kelvara_close
if [ -n "$shot" ]; then
  # Wine's GDI draws no capital "I" of Liberation Sans (README, "Windows"); the screenshot is
  # drawn with the toolkit's FreeType engine, as Windows draws Arial.
  kelvara_start "$bin" windows:fontengine=freetype
  import -window "$window" "$shot"
  kelvara_close
fi
step "installed kelvara.exe showed \"Kelvara 5\" and closed after its closing question"

wine "$program_files\\Kelvara\\Uninstall.exe" /S
wineserver -w
[ ! -e "$bin" ] || fail "the uninstaller left $bin: $(ls "$bin" | head)"
[ ! -e "$menu" ] || fail "the uninstaller left the Start-menu entry"
! wine reg query 'HKLM\Software\Classes\Kelvara.Project' >/dev/null 2>&1 ||
  fail "the uninstaller left the .kelvara registration"
step "the uninstaller removed the program, its Start-menu entry and its registration"
