#!/usr/bin/env bash
# Cross-builds Kelvara for Windows (x86-64) on Linux into build/windows/: the program, its tests
# and the installer (build/windows/kelvara-*-win64.exe). Needs the packages and the unpacked Qt
# of `scripts/setup.sh test` (it prepares the Qt and GoogleTest itself when they are missing).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/windows-deps.sh
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake --preset windows "${launcher[@]}" >/dev/null
cmake --build --preset windows -j "$(nproc)"
(cd build/windows && cpack -G NSIS >/dev/null)
ls build/windows/*win64.exe
