// A process for the tests that need the trace facility to come up in an environment of their
// own: the driver prepares HOME, the install directory and the files, starts this program with
// a scenario name, and reads back what it wrote and printed. The facility comes up while this
// program loads, before main runs, exactly as in the browser.
//
// After its scenario the program prints the facility's settings as "name=value" lines.

#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "DebugTrace.h"
#include "HtmlProperty.h"
#include "NSHtmlPropertyValue.h"
#include "RegistryInformation.h"
#include "Tracer.h"
#include "ZvDebug.h"
#include "ZvInstallOptions.h"

namespace {

const char* OrNull(const char* text) {
  return text ? text : "(null)";
}

void PrintSettings() {
  printf("traceFile=%s\n", OrNull(ZvDebug::TraceGetFileName()));
  printf("logFile=%s\n", OrNull(ZvDebug::LogGetFileName()));
  printf("traceEnabled=%u\n", ZvDebug::TraceGetEnabled());
  printf("traceLevel=%u\n", ZvDebug::TraceGetLevel());
  printf("logLimit=%u\n", ZvDebug::LogGetFileSizeLimit());
  printf("traceLimit=%u\n", ZvDebug::TraceGetFileSizeLimit());
  printf("jniTrace=%d\n", ZvDebug::IsJNITrace() ? 1 : 0);
  printf("memoryTraceInterval=%lu\n", ZvDebug::GetMemoryTraceInterval());
}

// Every level function once, each naming itself.
void CallLevelFunctions() {
  GenericNative.exception("exception %d", 1);
  GenericNative.fatal("fatal %d", 2);
  GenericNative.severe("severe %d", 3);
  GenericNative.error("error %d", 4);
  GenericNative.Error("Error %d", 5);
  GenericNative.warning("warning %d", 6);
  GenericNative.Warning("Warning %d", 7);
  GenericNative.audit("audit %d", 8);
  GenericNative.info("info %d", 9);
  GenericNative.debug("debug %d", 10);
  GenericNative.Debug("Debug %d", 11);
  GenericNative.Trace("Trace %d", 12);
  GenericNative.detail("detail %d", 13);
  GenericNative.Verbose("Verbose %d", 14);
  GenericNative.config("config %d", 15);
}

// A property destroyed while its value is still held elsewhere.
void DropPropertyWhileValueIsHeld() {
  CHtmlObjectPtr<IHtmlPropertyValue> value = new CNSHtmlPropertyValue(7);
  const unsigned short name[] = {'.', 's', 'i', 'z', 'e', 0};
  IHtmlProperty* property = new CHtmlProperty(name, value);
  property->release();
  printf("valueCount=%d\n", value->getReferenceCount());
}

void PrintInstallOptions(int argc, char** argv) {
  printf("installDir=%s\n", OrNull(ZvInstallOptions::GetInstallDir()));
  for (int i = 2; i < argc; ++i) {
    printf("option %s=%s\n", argv[i], OrNull(ZvInstallOptions::GetOption(argv[i])));
  }
  char jre[10] = "untouched";
  const bool found = CRegistryInformation::getDefaultJRE(jre, sizeof jre);
  printf("defaultJRE=%d %s\n", found ? 1 : 0, jre);
}

// Waits until the driver says go (a file "go" in the working directory), so that all writers it
// started run at the same time.
void WaitForGo() {
  while (access("go", F_OK) != 0) {
    usleep(1000);
  }
}

// Lines "burst <pid>-<thread>-<index> <padding>" from threads writers, count each, with the
// trace file rotated past limitKiB.
void Burst(int count, unsigned limitKiB, int threads) {
  ZvDebug::TraceSetFileSizeLimit(limitKiB);
  WaitForGo();
  const std::string padding(40, '.');
  std::vector<std::thread> writers;
  for (int thread = 0; thread < threads; ++thread) {
    writers.emplace_back([=, &padding] {
      for (int i = 0; i < count; ++i) {
        CTracer::debugTrace("burst %d-%d-%d %s", static_cast<int>(getpid()), thread, i,
                            padding.c_str());
      }
    });
  }
  for (std::thread& writer : writers) {
    writer.join();
  }
}

// Debug-channel lines of length characters, "<pid>-<index>" followed by "x"s.
void ChannelBurst(int count, size_t length) {
  WaitForGo();
  for (int i = 0; i < count; ++i) {
    std::string text = std::to_string(getpid()) + "-" + std::to_string(i) + ":";
    text.resize(length, 'x');
    GenericNative.error("%s", text.c_str());
  }
}

// Traces count lines and prints how many calls came back with their text's length.
void TraceLines(int count) {
  int answered = 0;
  for (int i = 0; i < count; ++i) {
    const std::string text = "line " + std::to_string(i) + " " + std::string(60, '-');
    answered += CTracer::debugTrace("%s", text.c_str()) == static_cast<int>(text.size()) ? 1 : 0;
  }
  printf("answered=%d\n", answered);
}

std::string TraceDirectory() {
  return std::filesystem::path(ZvDebug::TraceGetFileName()).parent_path();
}

// The trace directory goes away while the process runs and a file takes its name.
void ReplaceTraceDirectoryByAFile(int count) {
  const std::string directory = TraceDirectory();
  std::filesystem::rename(directory, directory + ".moved");
  FILE* file = fopen(directory.c_str(), "w");
  fputs("not a directory\n", file);
  fclose(file);
  TraceLines(count);
}

// The trace file may grow by 300 bytes more; writing past that fails as on a full disk.
void LimitFileSize(int count) {
  signal(SIGXFSZ, SIG_IGN);
  struct stat info {};
  const off_t size = stat(ZvDebug::TraceGetFileName(), &info) == 0 ? info.st_size : 0;
  const rlimit limit{static_cast<rlim_t>(size + 300), static_cast<rlim_t>(size + 300)};
  setrlimit(RLIMIT_FSIZE, &limit);
  TraceLines(count);
}

// A small tmpfs over the trace directory, in a mount namespace of this process's own; prints
// "mounted=0" where namespaces are not permitted.
void FillSmallFileSystem(int count) {
  const std::string directory = TraceDirectory();
  const bool mounted = unshare(CLONE_NEWNS) == 0 &&
                       mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                       mount("tmpfs", directory.c_str(), "tmpfs", 0, "size=8k") == 0;
  printf("mounted=%d\n", mounted ? 1 : 0);
  if (mounted) {
    TraceLines(count);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::string scenario = argc > 1 ? argv[1] : "";
  const char* argument = argc > 2 ? argv[2] : "";
  if (scenario == "trace") {
    printf("formatted=%d\n", CTracer::debugTrace("%s", argument));
  } else if (scenario == "levels") {
    CallLevelFunctions();
  } else if (scenario == "log") {
    printf("logged=%d\n", GenericNative.log(ZvDebug::kInformation, "%s", argument));
  } else if (scenario == "jni") {
    ZvDebug::JNI_Start(argument);
    ZvDebug::JNI_End(argument);
  } else if (scenario == "memleak") {
    DropPropertyWhileValueIsHeld();
  } else if (scenario == "install") {
    PrintInstallOptions(argc, argv);
  } else if (scenario == "channel-levels") {
    for (int i = 2; i < argc; ++i) {
      printf("channelLevel %s=%d\n", argv[i], DebugTrace::GetTraceLevel(argv[i]));
    }
  } else if (scenario == "burst") {
    Burst(atoi(argument), static_cast<unsigned>(atoi(argv[3])), argc > 4 ? atoi(argv[4]) : 1);
  } else if (scenario == "channel-burst") {
    ChannelBurst(atoi(argument), static_cast<size_t>(atoi(argv[3])));
  } else if (scenario == "lines") {
    TraceLines(atoi(argument));
  } else if (scenario == "dir-replaced") {
    ReplaceTraceDirectoryByAFile(atoi(argument));
  } else if (scenario == "file-size-limit") {
    LimitFileSize(atoi(argument));
  } else if (scenario == "small-tmpfs") {
    FillSmallFileSystem(atoi(argument));
  } else if (scenario != "start") {
    fprintf(stderr, "unknown scenario '%s'\n", scenario.c_str());
    return 2;
  }
  PrintSettings();
  return 0;
}
