# Sourced by the Windows checks: Wine in its own prefix under build/windows, quiet, with the Qt and
# MinGW runtime DLLs of build/toolchain on its path.
#   kelvara_wine_env BUILD_DIR [PREFIX_NAME]
#   kelvara_wine_qt DIR COMMAND...   run COMMAND (a Windows command line) in DIR under cmd, with
#                                    the offscreen platform and its fonts set inside Wine (Wine
#                                    does not pass QT_* variables on)
kelvara_wine_env() {
  local build=$1 name=${2:-wine}
  project=$(cd "$build/../.." && pwd)
  export WINEPREFIX=$build/$name WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEPATH=$(winepath -w "$project/build/toolchain/qt6-mingw/bin" 2>/dev/null)
  # The offscreen plugin reads its fonts from one folder: Liberation Sans, Arial's metrics.
  fonts=$build/fonts
  mkdir -p "$fonts"
  cp -u /usr/share/fonts/truetype/liberation/LiberationSans-*.ttf "$fonts/"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i >/dev/null 2>&1
    # Windows has Arial; Wine gets its metric twin, as the program's windows are laid out for it.
    # Wine's font replacements list it under the name "Arial" too.
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' \
      /v Arial /t REG_SZ /d 'Liberation Sans' /f >/dev/null
    wineserver -w
  fi
}

kelvara_wine_qt() {
  local dir=$1
  shift
  (cd "$dir" && wine cmd /c "set QT_QPA_PLATFORM=offscreen&& set QT_QPA_FONTDIR=$(winepath -w "$fonts")&& set QT_LOGGING_RULES=qt.qpa.*=false&& $*")
}

# kelvara_start DIR [PLATFORM]: starts DIR/kelvara.exe on the windows platform (or PLATFORM, a
# QT_QPA_PLATFORM value) and waits for its main window "Kelvara 5" (after the splash); sets
# $program (the wine process) and $window.
kelvara_start() {
  if [ -n "${2:-}" ]; then
    (cd "$1" && wine cmd /c "set QT_QPA_PLATFORM=$2&& kelvara.exe") &
  else
    (cd "$1" && wine kelvara.exe) &
  fi
  program=$!
  window=""
  for _ in $(seq 60); do
    window=$(xdotool search --onlyvisible --name '^Kelvara 5$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 1
  done
  [ -n "$window" ] || { echo "FAILED: kelvara.exe showed no window \"Kelvara 5\""; return 1; }
  sleep 5 # the splash closes after 3 s
}

# kelvara_close: asks the program to close as the title bar's close button does (taskkill
# without /f), answers Yes ("Tak") to its closing question and waits until it has ended.
kelvara_close() {
  local question=""
  wine taskkill /im kelvara.exe >/dev/null
  for _ in $(seq 30); do
    question=$(xdotool search --onlyvisible --name '^Kelvara$' 2>/dev/null | head -n 1) && [ -n "$question" ] && break
    sleep 1
  done
  [ -n "$question" ] || { echo "FAILED: closing showed no question"; return 1; }
  # Alt+T is "Tak" (Yes); the box may still be on its way to the screen at the first try.
  for _ in $(seq 10); do
    xdotool windowfocus --sync "$question" key alt+t 2>/dev/null && break
    sleep 1
  done
  for _ in $(seq 30); do
    kill -0 "$program" 2>/dev/null || return 0
    sleep 1
  done
  echo "FAILED: kelvara.exe did not end after Yes to its closing question"
  return 1
}
