#!/usr/bin/env bash
# Builds the benchmarks in a Release tree of their own (build-release/), runs the agent-query
# benchmarks and prints one table: each question's time per call, its goal, and the agent's
# tree walk against the host's own walk of the same values. Each benchmark runs fifteen times,
# the runs of all benchmarks interleaved in random order, and the table shows the medians: on
# a shared machine single runs move by a fifth or more, and the load drifts over a minute, so
# two benchmarks compared with each other should see the same spread of it.
#   scripts/bench.sh                      everything
#   scripts/bench.sh --benchmark_filter=Hit   arguments go to the benchmark program
#   scripts/bench.sh --benchmark_repetitions=1   one run each
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=build-release
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DNSHTML_BUILD_TESTS=OFF >/dev/null
cmake --build "$build_dir" -j "$(nproc)" --target agent_query_bench
results="$build_dir/bench/agent_query_bench.json"
"$build_dir/bench/agent_query_bench" --benchmark_out="$results" --benchmark_out_format=json \
  --benchmark_min_time=0.1 --benchmark_repetitions=15 --benchmark_enable_random_interleaving=true \
  "$@" >/dev/null
python3 scripts/bench_table.py "$results"
