#!/usr/bin/env bash
# The main job: build what it runs, then show the agent's view of the built-in demo page.
# The tool runs where the caller stands, so the paths it is given are the caller's. The build
# reports on standard error; standard output is the tool's alone.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build"
stamp="$build/.run-configured"

# Set-up and configuration are needed again only when something they read changed since they
# last succeeded: a CMake file or the list of packages.
configure_needed() {
  if [ ! -f "$stamp" ] || [ ! -f "$build/CMakeCache.txt" ]; then
    return 0
  fi
  local newer
  newer="$(find "$root" \( -name '.git' -o -name 'build*' \) -prune -o \
    \( -name CMakeLists.txt -o -name '*.cmake' -o -path "$root/scripts/setup-deps.sh" \) \
    -newer "$stamp" -print -quit)"
  [ -n "$newer" ]
}

if configure_needed; then
  "$root/scripts/setup-deps.sh" >&2
  cmake -S "$root" -B "$build" >&2
  touch "$stamp"
fi
# Only the tool, the product and the host; a build with nothing to do prints nothing.
cmake --build "$build" --target nshtml-inspect nshtml geckohost -j "$(nproc)" |
  sed -u -e '/Built target /d' -e '/^ninja: no work to do/d' >&2
exec "$build/bin/nshtml-inspect" "$@"
