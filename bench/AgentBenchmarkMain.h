// The main program of the benchmarks that ask the product loaded with dlopen: an empty home of
// their own, a private X server when DISPLAY is unset, Google Benchmark's run, and the agent
// session ended before the program's statics go.
#ifndef BENCH_AGENTBENCHMARKMAIN_H
#define BENCH_AGENTBENCHMARKMAIN_H

// `name` names the temporary home ("/tmp/<name>-XXXXXX"). Returns the exit status.
int RunAgentBenchmarks(const char* name, int argc, char** argv);

#endif
