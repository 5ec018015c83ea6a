#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Kelvara need (only the
# missing ones) and the decimal-comma locale the tests run under once.
set -euo pipefail

packages=(
  g++ clang libclang-rt-14-dev cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  poppler-utils fonts-dejavu-core locales
  xvfb xauth imagemagick xdotool
  desktop-file-utils appstream dpkg-dev file valgrind time
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

if ! locale -a 2>/dev/null | grep -qi '^pl_PL\.utf-\?8$'; then
  echo "Generating the pl_PL.UTF-8 locale"
  if [ -f /etc/locale.gen ] && grep -q '^# *pl_PL.UTF-8' /etc/locale.gen; then
    "${sudo_cmd[@]}" sed -i 's/^# *\(pl_PL.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  elif ! grep -q '^pl_PL.UTF-8' /etc/locale.gen 2>/dev/null; then
    echo 'pl_PL.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
  fi
  "${sudo_cmd[@]}" locale-gen
fi
