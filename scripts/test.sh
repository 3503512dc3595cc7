#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
#   scripts/test.sh              the normal build, in build/
#   scripts/test.sh --sanitize   the AddressSanitizer + UBSan build with clang, in
#                                build-sanitize/, with the fuzz targets and their short runs
#   scripts/test.sh --i386       32-bit x86 programs (gcc -m32), in build-i386/
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=build
cmake_args=()
setup_args=(--tests)
case "${1:-}" in
  "") ;;
  --sanitize)
    build_dir=build-sanitize
    # clang: libFuzzer comes with it (scripts/fuzz.sh runs the fuzzers for longer).
    cmake_args+=(-DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14
      -DNSHTML_SANITIZE=ON -DNSHTML_FUZZ=ON -DNSHTML_BUILD_BENCH=OFF)
    setup_args+=(--sanitize)
    ;;
  --i386)
    build_dir=build-i386
    cmake_args+=(-DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i386.cmake -DNSHTML_BUILD_BENCH=OFF)
    setup_args+=(--i386)
    ;;
  *)
    echo "usage: scripts/test.sh [--sanitize | --i386]" >&2
    exit 2
    ;;
esac

scripts/setup-deps.sh "${setup_args[@]}"
# CMake keeps the compiler a tree was first configured with (and drops the other settings when
# it is changed): a sanitizer tree made with another compiler is configured afresh.
if [ "$build_dir" = build-sanitize ] && [ -f "$build_dir/CMakeCache.txt" ] &&
  ! grep -Eq '^CMAKE_CXX_COMPILER:[A-Z]*=(.*/)?clang\+\+-14$' "$build_dir/CMakeCache.txt"; then
  rm -f "$build_dir/CMakeCache.txt"
fi
cmake -S . -B "$build_dir" "${cmake_args[@]}" >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"
