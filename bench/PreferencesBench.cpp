// The trace facility's own costs: reading a large preference or options file into its sorted
// table, and appending one trace line (the size check, then the write).
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "ZvDebug.h"
#include "ZvInstallOptions.h"

namespace {

// "key<n>=value<n>" lines for n keys, in key order (as the facility saves them) or shuffled
// (as a person or another program may write them).
FILE* PropertiesFile(int keys, bool shuffled) {
  std::vector<std::string> lines;
  for (int i = 0; i < keys; ++i)
    lines.push_back("key" + std::to_string(1000000 + i) + "=value" + std::to_string(i) + "\r\n");
  if (shuffled)
    std::shuffle(lines.begin(), lines.end(), std::mt19937(42));
  FILE* file = tmpfile();
  for (const std::string& line : lines)
    fputs(line.c_str(), file);
  return file;
}

void LoadProperties(benchmark::State& state, bool shuffled) {
  const int keys = static_cast<int>(state.range(0));
  FILE* file = PropertiesFile(keys, shuffled);
  for (auto _ : state) {
    rewind(file);
    ZvInstallOptions::Properties table;
    table.Load(file);
    benchmark::DoNotOptimize(table.GetCount());
  }
  fclose(file);
  state.SetItemsProcessed(state.iterations() * keys);
}

void BM_LoadPropertiesInKeyOrder(benchmark::State& state) {
  LoadProperties(state, false);
}
BENCHMARK(BM_LoadPropertiesInKeyOrder)->Arg(100)->Arg(50000)->Unit(benchmark::kMillisecond);

void BM_LoadPropertiesShuffled(benchmark::State& state) {
  LoadProperties(state, true);
}
BENCHMARK(BM_LoadPropertiesShuffled)->Arg(100)->Arg(50000)->Unit(benchmark::kMillisecond);

// One classic trace line as TraceMessage writes it: the size check, then the append.
void BM_AppendTraceLine(benchmark::State& state) {
  char directory[] = "/tmp/nshtml-bench-XXXXXX";
  if (!mkdtemp(directory)) {
    state.SkipWithError("no scratch directory");
    return;
  }
  const std::string path = std::string(directory) + "/zav_trace.txt";
  const std::string line(120, 'x');
  for (auto _ : state) {
    ZvDebug::ValidateFileFileSizeLimit(path.c_str(), 2048);
    ZvDebug::WriteMessage(path.c_str(), (line + "\r\n").c_str());
  }
  state.SetItemsProcessed(state.iterations());
  std::string cleanup = "rm -rf " + std::string(directory);
  if (system(cleanup.c_str()) != 0)
    state.SkipWithError("scratch directory left behind");
}
BENCHMARK(BM_AppendTraceLine);

}  // namespace

BENCHMARK_MAIN();
