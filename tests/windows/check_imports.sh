#!/usr/bin/env bash
# Every DLL that the installed Windows executables, libraries and plugins import is installed
# beside them or is part of Windows (judged by Wine's system32, API sets aside), so a DLL the install rules
# forget fails here and not on a user's machine.
#   tests/windows/check_imports.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
kelvara_wine_env "$build"
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cmake --install "$build" --prefix "$stage" >/dev/null
system32=$WINEPREFIX/drive_c/windows/system32
missing=0
checked=0
while IFS= read -r -d '' file; do
  checked=$((checked + 1))
  for dll in $(x86_64-w64-mingw32-objdump -p "$file" | awk '/DLL Name:/ {print $3}'); do
    if [ -n "$(find "$stage/bin" -maxdepth 1 -iname "$dll" -print -quit)" ]; then
      continue
    fi
    if [ -n "$(find "$system32" -maxdepth 1 -iname "$dll" -print -quit)" ]; then
      continue
    fi
    # API sets: names the Windows loader maps to its own DLLs, not files.
    case ${dll,,} in api-ms-win-*) continue ;; esac
    echo "missing: ${file#"$stage"/} imports $dll, which is neither installed nor part of Windows"
    missing=$((missing + 1))
  done
done < <(find "$stage/bin" \( -iname '*.exe' -o -iname '*.dll' \) -print0)
[ "$checked" -gt 0 ] || { echo "nothing installed in $stage/bin"; exit 1; }
for plugin in platforms/qwindows.dll styles/qwindowsvistastyle.dll translations/qtbase_pl.qm; do
  [ -f "$stage/bin/$plugin" ] || { echo "missing: bin/$plugin"; missing=$((missing + 1)); }
done
[ "$missing" -eq 0 ] || exit 1
echo "imports of $checked installed executables and DLLs: all installed or part of Windows"
