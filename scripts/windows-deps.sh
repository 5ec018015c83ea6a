#!/usr/bin/env bash
# Prepares the libraries the Windows build links, in build/toolchain/ (ignored, never in
# ../shared): the cross-built Qt unpacked from ../shared/toolchains, and GoogleTest built for
# MinGW from Debian's sources (/usr/src/googletest). Each is redone only when its source changed.
# Needs the packages of `scripts/setup.sh test`.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
toolchains=${KELVARA_TOOLCHAINS:-$root/../shared/toolchains}
out=$root/build/toolchain
mkdir -p "$out"

# Qt: unpacked again when the tarball differs from the one unpacked last.
tarball=$toolchains/qt6-mingw-6.4.2.tar.xz
if [ ! -f "$tarball" ]; then
  echo "windows-deps: $tarball is missing" >&2
  exit 1
fi
stamp="$(stat -c '%s %Y' "$tarball") $(basename "$tarball")"
if [ ! -f "$out/qt6-mingw/bin/Qt6Core.dll" ] || [ "$(cat "$out/qt6-mingw.stamp" 2>/dev/null)" != "$stamp" ]; then
  echo "windows-deps: unpacking $(basename "$tarball") into build/toolchain/"
  rm -rf "$out/qt6-mingw" "$out/qt6-mingw.stamp"
  tar -xJf "$tarball" -C "$out"
  echo "$stamp" > "$out/qt6-mingw.stamp"
fi

# GoogleTest for MinGW, from the sources of the installed googletest package.
gtest_version=$(dpkg-query -W -f='${Version}' googletest 2>/dev/null || echo none)
if [ ! -f "$out/gtest/lib/libgtest.a" ] || [ "$(cat "$out/gtest.stamp" 2>/dev/null)" != "$gtest_version" ]; then
  echo "windows-deps: building GoogleTest $gtest_version for MinGW"
  rm -rf "$out/gtest" "$out/gtest-build" "$out/gtest.stamp"
  cmake -S /usr/src/googletest -B "$out/gtest-build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$toolchains/mingw-w64-x86_64.cmake" \
    -DCMAKE_INSTALL_PREFIX="$out/gtest" -Dgtest_disable_pthreads=OFF >/dev/null
  cmake --build "$out/gtest-build" -j "$(nproc)" >/dev/null
  cmake --install "$out/gtest-build" >/dev/null
  rm -rf "$out/gtest-build"
  echo "$gtest_version" > "$out/gtest.stamp"
fi

# The toolkit's Polish texts are the same files on every platform: Debian's, where the Windows
# Qt looks for them (its translations folder).
mkdir -p "$out/qt6-mingw/translations"
cp -u /usr/share/qt6/translations/qtbase_pl.qm "$out/qt6-mingw/translations/"

# libxlsxwriter for MinGW, from the source of Debian's package of the version installed for
# Linux, as a static library with zlib (Debian's libz-mingw-w64-dev) inside, in
# build/toolchain/mingw-libs, a prefix of the windows preset.
xlsx_version=$(dpkg-query -W -f='${source:Version}' libxlsxwriter-dev 2>/dev/null || true)
if [ -n "$xlsx_version" ] && { [ ! -f "$out/mingw-libs/include/xlsxwriter.h" ] ||
     [ "$(cat "$out/mingw-libs.stamp" 2>/dev/null)" != "$xlsx_version" ]; }; then
  echo "windows-deps: building libxlsxwriter $xlsx_version for MinGW"
  # apt-get source needs deb-src entries; Debian's are added when none are configured (root).
  if ! apt-get source --print-uris "libxlsxwriter=$xlsx_version" >/dev/null 2>&1; then
    if [ "$(id -u)" -ne 0 ]; then
      echo "windows-deps: apt-get source needs deb-src lines; as root, run scripts/windows-deps.sh once" >&2
      exit 3
    fi
    cat > /etc/apt/sources.list.d/kelvara-deb-src.sources <<'SOURCES'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
    apt-get update -qq
  fi
  rm -rf "$out/mingw-libs" "$out/mingw-libs.stamp" "$out/xlsxwriter-src"
  mkdir -p "$out/xlsxwriter-src"
  (cd "$out/xlsxwriter-src" && apt-get source --download-only "libxlsxwriter=$xlsx_version" >/dev/null 2>&1 &&
     dpkg-source -x libxlsxwriter_*.dsc src >/dev/null 2>&1)
  cmake -S "$out/xlsxwriter-src/src" -B "$out/xlsxwriter-src/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$toolchains/mingw-w64-x86_64.cmake" \
    -DCMAKE_INSTALL_PREFIX="$out/mingw-libs" -DBUILD_SHARED_LIBS=OFF -DBUILD_TESTS=OFF \
    -DBUILD_EXAMPLES=OFF >/dev/null
  cmake --build "$out/xlsxwriter-src/build" -j "$(nproc)" >/dev/null
  cmake --install "$out/xlsxwriter-src/build" >/dev/null
  # zlib's objects go into the same archive, so that linking the one library found by
  # find_library(xlsxwriter) is enough, and no zlib DLL is needed beside the program.
  mkdir "$out/xlsxwriter-src/zlib"
  (cd "$out/xlsxwriter-src/zlib" && x86_64-w64-mingw32-ar x /usr/x86_64-w64-mingw32/lib/libz.a &&
     x86_64-w64-mingw32-ar rs "$out/mingw-libs/lib/libxlsxwriter.a" ./*.o)
  rm -rf "$out/xlsxwriter-src"
  echo "$xlsx_version" > "$out/mingw-libs.stamp"
fi
