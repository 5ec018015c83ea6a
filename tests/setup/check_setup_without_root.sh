#!/usr/bin/env bash
# run.sh and test.sh for a user who is not root and has no sudo, on a machine that lacks every
# package: they print the command to run as root, exit with status 3 and install nothing.
set -euo pipefail
root=$1
stubs=$(mktemp -d)
trap 'rm -rf "$stubs"' EXIT

# An ordinary user; nothing installed, no locales; apt-get only notes that it was called.
printf '#!/bin/sh\n[ "$1" = -u ] && echo 1000 || /usr/bin/id "$@"\n' >"$stubs/id"
printf '#!/bin/sh\nexit 1\n' >"$stubs/dpkg-query"
printf '#!/bin/sh\nexit 0\n' >"$stubs/locale"
printf '#!/bin/sh\ntouch "%s/apt-get-called"\n' "$stubs" >"$stubs/apt-get"
chmod +x "$stubs"/*

check() {
  local script=$1 wanted=$2 unwanted=$3 out status=0
  out=$(cd / && PATH="$stubs:$PATH" KELVARA_SUDO=kelvara-no-such-sudo "$root/$script" 2>&1) ||
    status=$?
  [ "$status" -eq 3 ] || { echo "$script: exit $status, expected 3"; echo "$out"; exit 1; }
  grep -q "neither root nor sudo is available. Nothing was installed." <<<"$out" ||
    { echo "$script: no explanation"; echo "$out"; exit 1; }
  local command
  command=$(grep "^  su -c '" <<<"$out") || { echo "$script: no su command"; echo "$out"; exit 1; }
  [[ $command == *"apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends g++ cmake "* ]] ||
    { echo "$script: unexpected command: $command"; exit 1; }
  [[ $command == *" $wanted"* ]] || { echo "$script: $wanted missing from: $command"; exit 1; }
  if [ -n "$unwanted" ] && [[ $command == *" $unwanted"* ]]; then
    echo "$script: $unwanted should not be installed for it: $command"
    exit 1
  fi
  [ ! -e "$stubs/apt-get-called" ] || { echo "$script: apt-get was run"; exit 1; }
  echo "$out" | sed "s/^/$script: /"
}

check run.sh qt6-translations-l10n clang
check test.sh libreoffice-calc-nogui ""
out=$(cd / && PATH="$stubs:$PATH" KELVARA_SUDO=kelvara-no-such-sudo "$root/test.sh" 2>&1) || true
grep -q "locale-gen" <<<"$out" || { echo "test.sh: the locales are not generated"; exit 1; }
grep -q "=== FAILED in stage 1/8: set-up" <<<"$out" || { echo "test.sh: no failed stage"; exit 1; }
