#!/usr/bin/env bash
# Sets up, builds and runs every test: the normal build, the same suite once more under a
# decimal-comma locale, the sanitizer build, and a short run of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
jobs=$(nproc)

cmake --preset dev
cmake --build --preset dev -j "$jobs"
ctest --preset dev -j "$jobs"

echo "== the same suite under pl_PL.UTF-8 (decimal comma)"
LC_ALL=pl_PL.UTF-8 LANG=pl_PL.UTF-8 ctest --preset dev -j "$jobs"

cmake --preset asan
cmake --build --preset asan -j "$jobs"
ctest --preset asan -j "$jobs"

echo "== fuzz targets, a short run each (scripts/fuzz.sh runs them longer)"
cmake --preset fuzz
cmake --build --preset fuzz -j "$jobs"
ctest --preset fuzz -j "$jobs"
