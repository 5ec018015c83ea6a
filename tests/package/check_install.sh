#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs what was installed.
set -euo pipefail
build=$1
source "$(dirname "$0")/common.sh"
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
test -x "$prefix/bin/kelvara" && test -x "$prefix/bin/kelvara-cli"
test -f "$prefix/share/kelvara/Kelvara.ini" && test -f "$prefix/share/kelvara/HELP/kelvara.html"
check_desktop_files "$prefix/share"
check_batch_tool "$prefix/bin/kelvara-cli"
check_program_starts "$prefix/bin/kelvara"
echo "installed tree works"
