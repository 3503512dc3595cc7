#!/usr/bin/env bash
# Longer fuzzing runs than the tests make: builds the fuzz targets in the sanitizer tree
# (build-sanitize/, clang, as scripts/test.sh --sanitize configures it) and runs one target, or
# each in turn, for SECONDS (default 60).
#   scripts/fuzz.sh                      every target, 60 s each
#   scripts/fuzz.sh page_walk 600        one target for ten minutes
# New inputs are kept in build-sanitize/fuzz/work/<target>/. An input that breaks something is
# written to build-sanitize/fuzz/artifacts/ and the run stops with libFuzzer's report: add it
# to fuzz/corpus/<target>/ with the fix, so that the tests run it from then on.
set -euo pipefail
cd "$(dirname "$0")/.."

targets=(properties_file trace_path area_coords page_walk inspect_path inspect_value
  inspect_command)
target="${1:-}"
seconds="${2:-60}"
if [ -n "$target" ] && [[ ! " ${targets[*]} " =~ " $target " ]]; then
  echo "usage: scripts/fuzz.sh [$(IFS='|'; echo "${targets[*]}")] [SECONDS]" >&2
  exit 2
fi
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
  echo "fuzz.sh: SECONDS must be a positive whole number, not '$seconds'" >&2
  exit 2
fi
if [ -n "$target" ]; then
  targets=("$target")
fi

build_dir=build-sanitize
scripts/setup-deps.sh --tests --sanitize
if [ -f "$build_dir/CMakeCache.txt" ] &&
  ! grep -Eq '^CMAKE_CXX_COMPILER:[A-Z]*=(.*/)?clang\+\+-14$' "$build_dir/CMakeCache.txt"; then
  rm -f "$build_dir/CMakeCache.txt"  # configured with gcc before: CMake would keep that
fi
cmake -S . -B "$build_dir" -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
  -DNSHTML_SANITIZE=ON -DNSHTML_FUZZ=ON -DNSHTML_BUILD_BENCH=OFF >/dev/null
nice -n 10 cmake --build "$build_dir" -j "$(nproc)" --target "${targets[@]/#/fuzz_}"

# The product's trace facility writes under HOME: give it a scratch one.
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
status=0
for name in "${targets[@]}"; do
  echo "== $name: $seconds s"
  work="$build_dir/fuzz/work/$name"
  mkdir -p "$work"
  # The options the tests use: input bound, timeout, dictionary (fuzz/CMakeLists.txt writes them).
  mapfile -t options <"$build_dir/fuzz/$name.options"
  HOME="$home" "$build_dir/fuzz/fuzz_$name" "${options[@]}" \
    -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$build_dir/fuzz/artifacts/$name-" "$work" "fuzz/corpus/$name" || status=1
done
exit $status
