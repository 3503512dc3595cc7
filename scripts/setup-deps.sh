#!/usr/bin/env bash
# Installs, from Debian's packages, whatever this project needs and the machine lacks.
# Safe to run again: it asks apt only for missing packages.
#   scripts/setup-deps.sh           what building and running the tool need
#   scripts/setup-deps.sh --tests   that, and what only the tests use (a browser that opens
#                                   the tool's HTML report)
set -euo pipefail

packages=(
  build-essential cmake pkg-config git ccache
  libgtest-dev libgmock-dev libbenchmark-dev
  libx11-dev xvfb x11-utils xauth
  libxft-dev libxrender-dev libfreetype-dev fonts-dejavu-core
  libpng-dev libjpeg-dev libgif-dev
  libgumbo-dev duktape-dev libpugixml-dev libcurl4-openssl-dev
  clang-format valgrind
)
if [ "${1:-}" = "--tests" ]; then
  packages+=(chromium)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
if ! "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"; then
  "${sudo_cmd[@]}" apt-get update -q
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
