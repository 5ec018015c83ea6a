#!/usr/bin/env bash
# Installs what building and testing Kelvara needs, then runs every stage: the format check,
# the build with tests and its suite, the same suite under a decimal-comma locale, the
# sanitizer build and its suite, the Windows build with its tests and installer under Wine, and a
# short run of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")"
jobs=$(nproc)
stages=8
stage=0
current=""

begin() {
  stage=$((stage + 1))
  current=$1
  echo
  echo "=== [$stage/$stages] $current"
}
# A failure names its stage last, where it does not scroll away.
trap 'status=$?; [ $status -eq 0 ] || echo "=== FAILED in stage $stage/$stages: $current (exit $status)"' EXIT

begin "set-up: Debian packages and locales"
scripts/setup.sh test

# Builds share compiled objects through ccache (installed by the set-up) when it is there.
# Paths are taken relative to the project, so a fresh checkout elsewhere reuses them too.
if command -v ccache >/dev/null; then
  export CMAKE_CXX_COMPILER_LAUNCHER=ccache CMAKE_C_COMPILER_LAUNCHER=ccache
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD} CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
fi

begin "format: clang-format over src, tests, bench and fuzz"
find src tests bench fuzz -name '*.cpp' -o -name '*.h' | sort |
  xargs clang-format --dry-run --Werror

begin "build: program, tests and benchmarks"
cmake --preset tests
cmake --build --preset tests -j "$jobs"

begin "tests"
ctest --preset tests -j "$jobs"

begin "tests under pl_PL.UTF-8 (decimal comma)"
LC_ALL=pl_PL.UTF-8 LANG=pl_PL.UTF-8 ctest --preset tests -j "$jobs"

begin "sanitizer build and its tests (AddressSanitizer, UndefinedBehaviorSanitizer)"
cmake --preset asan
cmake --build --preset asan -j "$jobs"
ctest --preset asan -j "$jobs"

begin "Windows: cross build and installer (scripts/windows.sh), tests and installer under Wine"
scripts/windows.sh
xvfb-run -a -s '-screen 0 1280x1024x24' bash -c \
  'tests/windows/check_tests.sh build/windows && tests/windows/check_imports.sh build/windows &&
   tests/windows/check_decimal_separator.sh build/windows && tests/windows/check_installer.sh build/windows'

begin "fuzz targets, a short run each (scripts/fuzz.sh runs them longer)"
cmake --preset fuzz
cmake --build --preset fuzz -j "$jobs"
ctest --preset fuzz -j "$jobs"

echo
echo "=== all $stages stages passed: set-up, format, build, tests, tests under pl_PL, sanitizer, Windows, fuzz"
