#!/usr/bin/env bash
# Installs, from Debian's packages, whatever this project needs and the machine lacks.
# Safe to run again: it asks apt only for missing packages.
#   scripts/setup-deps.sh           what building and running the tool need
#   scripts/setup-deps.sh --tests   that, and what only the tests use (a browser that opens
#                                   the tool's HTML report)
#   scripts/setup-deps.sh --i386    that, and the 32-bit x86 compilers and libraries for
#                                   build-i386/
#   scripts/setup-deps.sh --sanitize  that, and clang with its sanitizer and libFuzzer runtimes
#                                   for build-sanitize/ (the flags combine)
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

with_tests=false
with_i386=false
with_sanitize=false
for argument in "$@"; do
  case "$argument" in
    --tests) with_tests=true ;;
    --i386) with_i386=true ;;
    --sanitize) with_sanitize=true ;;
    *)
      echo "usage: scripts/setup-deps.sh [--tests] [--i386] [--sanitize]" >&2
      exit 2
      ;;
  esac
done
if $with_tests; then
  packages+=(chromium)
fi
# The sanitizer tree is built with clang, whose runtimes carry AddressSanitizer, UBSan and
# libFuzzer.
if $with_sanitize; then
  packages+=(clang-14 libclang-rt-14-dev)
fi

# The i386 build: gcc -m32 and the same libraries for i386. The script engine is compiled in
# the tree from duktape-dev's source, which serves both architectures.
i386_packages=(
  g++-multilib
  libgtest-dev:i386 libgmock-dev:i386
  libx11-dev:i386 libxft-dev:i386 libxrender-dev:i386 libfreetype-dev:i386
  libpng-dev:i386 libjpeg-dev:i386 libgif-dev:i386
  libgumbo-dev:i386 libpugixml-dev:i386 libcurl4-openssl-dev:i386
)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi

if $with_i386; then
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${sudo_cmd[@]}" dpkg --add-architecture i386
    "${sudo_cmd[@]}" apt-get update -q
  fi
  packages+=("${i386_packages[@]}")
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
export DEBIAN_FRONTEND=noninteractive
if ! "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"; then
  "${sudo_cmd[@]}" apt-get update -q
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
