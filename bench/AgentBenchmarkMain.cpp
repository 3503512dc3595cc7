#include "AgentBenchmarkMain.h"

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "AgentSession.h"
#include "PrivateXServer.h"

namespace {

// Stopped after the product's exit handlers have closed their display connection: it is
// created before the product loads, so it is destroyed after them.
std::unique_ptr<geckohost::PrivateXServer> g_server;
std::string g_home;

// The product reads its trace settings from HOME as it loads: an empty home of our own keeps
// whatever the user's settings are out of the figures (and the trace out of the user's home).
// Removed at exit after the product's own exit handlers, which are registered later.
bool useHomeOfOurOwn(const char* name) {
  std::string pattern = std::string("/tmp/") + name + "-XXXXXX";
  if (!mkdtemp(pattern.data()))
    return false;
  g_home = pattern;
  return setenv("HOME", g_home.c_str(), 1) == 0 &&
         atexit([] { std::filesystem::remove_all(g_home); }) == 0;
}

// The suite is always installed with its options file, which the product loads once; without
// one it looks for the install directory again on every question that reads an option (the
// text of an element does). The figures are taken as installed: an install directory in our
// home with the options at their defaults.
bool useAnInstallDirectory() {
  std::string directory = g_home + "/install";
  std::error_code error;
  std::filesystem::create_directory(directory, error);
  FILE* options = fopen((directory + "/pellam.properties").c_str(), "w");
  if (error || !options)
    return false;
  fputs("tamarol.test.zv.html.respectwidespace=false\n", options);
  return fclose(options) == 0 &&
         setenv("KESTRIX_TAMAROL_ZAV_INSTALL_DIR", directory.c_str(), 1) == 0;
}

bool useAnXServer() {
  const char* display = getenv("DISPLAY");
  if (display && *display)
    return true;
  std::string error;
  g_server = geckohost::PrivateXServer::start(&error);
  if (!g_server) {
    fprintf(stderr, "no private X server: %s\n", error.c_str());
    return false;
  }
  g_server->makeDefault();
  return true;
}

}  // namespace

int RunAgentBenchmarks(const char* name, int argc, char** argv) {
  if (!useHomeOfOurOwn(name) || !useAnInstallDirectory()) {
    fprintf(stderr, "no home and install directory of our own\n");
    return 1;
  }
  if (!useAnXServer())
    return 1;
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv))
    return 1;
  benchmark::RunSpecifiedBenchmarks();
  AgentSession::end();
  benchmark::Shutdown();
  return 0;
}
