#!/usr/bin/env bash
# Installs the Debian packages Kelvara needs, only the missing ones.
#   scripts/setup.sh run    building and running the program (run.sh)
#   scripts/setup.sh test   that and everything the tests need, with the locales they run under
#                           (test.sh)
# Installing needs root: as root it installs, else through sudo when there is one. Without
# either it installs nothing, prints the command to run as root and exits with status 3.
set -euo pipefail

purpose=${1:-}
run_packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev libxlsxwriter-dev
  qt6-translations-l10n fonts-dejavu-core
)
test_packages=(
  clang libclang-rt-14-dev clang-format
  libgtest-dev libgmock-dev libbenchmark-dev
  poppler-utils locales
  libreoffice-calc-nogui python3-openpyxl
  xvfb xauth dbus-x11 at-spi2-core python3-pyatspi imagemagick xdotool xclip
  desktop-file-utils appstream shared-mime-info dpkg-dev file valgrind time
)
# The fonts the window and end-to-end tests check the layouts under, each given for "Arial" in
# turn (DejaVu Sans comes with the run packages), and fc-match, which the tests ask.
test_packages+=(fonts-liberation fonts-urw-base35 fontconfig)
# The Windows build (cross compiler, Wine, NSIS, the icon tools) for test.sh's Windows stage.
windows_packages=(
  g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64 googletest xz-utils
  libz-mingw-w64-dev
  wine64 wine nsis fonts-liberation icoutils librsvg2-bin ccache
)
case $purpose in
  run) packages=("${run_packages[@]}"); locales=() ;;
  test) packages=("${run_packages[@]}" "${test_packages[@]}"); locales=(pl_PL.UTF-8 en_US.UTF-8) ;;
  *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac
[ "$purpose" = test ] && packages+=("${windows_packages[@]}")
# Then, as the user who runs it: the Windows Qt unpacked and GoogleTest built for it, in
# build/toolchain/ (scripts/windows-deps.sh; each redone only when its source changed).
windows_libraries() { [ "$purpose" != test ] || "$(dirname "$0")/windows-deps.sh"; }

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
missing_locales=()
for l in "${locales[@]}"; do
  # locale -a spells them "pl_PL.utf8".
  if ! locale -a 2>/dev/null | grep -qix "${l%.UTF-8}.utf-\?8"; then
    missing_locales+=("$l")
  fi
done
if [ ${#missing[@]} -eq 0 ] && [ ${#missing_locales[@]} -eq 0 ]; then
  windows_libraries
  exit 0
fi

# What root has to run, as one shell command.
steps=()
if [ ${#missing[@]} -gt 0 ]; then
  steps+=("apt-get update" "DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends ${missing[*]}")
fi
for l in "${missing_locales[@]}"; do
  steps+=("echo $l UTF-8 >> /etc/locale.gen")
done
if [ ${#missing_locales[@]} -gt 0 ]; then
  steps+=("locale-gen")
fi
command=$(printf '%s && ' "${steps[@]}")
command=${command% && }

[ ${#missing[@]} -gt 0 ] && echo "Missing Debian packages: ${missing[*]}"
[ ${#missing_locales[@]} -gt 0 ] && echo "Missing locales: ${missing_locales[*]}"

sudo=${KELVARA_SUDO:-sudo} # the tests point it at a command that does not exist
if [ "$(id -u)" -eq 0 ]; then
  echo "Installing them."
  bash -c "$command"
  windows_libraries
elif command -v "$sudo" >/dev/null 2>&1; then
  echo "Installing them with $sudo."
  if ! "$sudo" bash -c "$command"; then
    echo "Installing with $sudo failed. Run this as root, then start ./$purpose.sh again:"
    echo "  su -c '$command'"
    exit 3
  fi
  windows_libraries
else
  echo "Installing needs root, and neither root nor sudo is available. Nothing was installed."
  echo "Run this (su asks for the root password), then start ./$purpose.sh again:"
  echo "  su -c '$command'"
  exit 3
fi
