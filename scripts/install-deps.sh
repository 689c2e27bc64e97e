#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need.
# Idempotent: only packages that are missing are installed.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config ccache
  qt6-base-dev libjpeg62-turbo-dev libtiff-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipafont-gothic fonts-ipafont-mincho
  ghostscript poppler-utils xvfb xauth
  clang-format locales qt6-translations-l10n
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The tests check number handling under a decimal-comma locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  "${sudo_cmd[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
