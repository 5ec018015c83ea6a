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
