#!/usr/bin/env bash
# Builds the DEB package, unpacks it into a temporary root and runs what it holds.
set -euo pipefail
build=$1
source "$(dirname "$0")/common.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >/dev/null
deb=$(ls "$work"/*.deb)
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || { echo "no Qt dependency"; exit 1; }
dpkg-deb -x "$deb" "$work/root"
test -f "$work/root/usr/share/kelvara/tt_p.txt"
# The program's terms and the licences of what it uses.
test -f "$work/root/usr/share/doc/kelvara/LICENSE"
test -f "$work/root/usr/share/doc/kelvara/licenses/LGPL-3.0.txt"
check_desktop_files "$work/root/usr/share"
check_batch_tool "$work/root/usr/bin/kelvara-cli"
check_program_starts "$work/root/usr/bin/kelvara"
echo "package $(basename "$deb") works"
