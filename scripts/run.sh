#!/usr/bin/env bash
# The main job: build, then show the agent's view of the built-in demo page.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh
cmake -S . -B build >/dev/null
cmake --build build -j "$(nproc)" >/dev/null
exec build/bin/nshtml-inspect "$@"
