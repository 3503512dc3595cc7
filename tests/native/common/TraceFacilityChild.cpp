// A process for the tests that need the trace facility to come up in an environment of their
// own: the driver prepares HOME, the install directory and the files, starts this program with
// a scenario name, and reads back what it wrote and printed. The facility comes up while this
// program loads, before main runs, exactly as in the browser.
//
// After its scenario the program prints the facility's settings as "name=value" lines.

#include <cstdio>
#include <cstring>
#include <string>

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
  } else if (scenario != "start") {
    fprintf(stderr, "unknown scenario '%s'\n", scenario.c_str());
    return 2;
  }
  PrintSettings();
  return 0;
}
