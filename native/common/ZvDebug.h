#ifndef NSHTML_COMMON_ZVDEBUG_H
#define NSHTML_COMMON_ZVDEBUG_H

#include <cstdarg>
#include <cstddef>

#include "DebugTrace.h"
#include "ZvInstallOptions.h"

#define ZVDEBUG_PRINTF(format_index, first_arg) \
  __attribute__((format(printf, format_index, first_arg)))

// The trace and log facility. Each handle names a component ("Native", "JNI", ...); its level
// functions write one line per message to the per-user trace file (and, for log calls, also to
// the log file) when the component's threshold admits the message's level:
//
//   GenericNative.Error("cannot open %s", url);
//   -> 2026-12-04/13:05:09.000,\t  4711:[pthread=140...],\tERROR,\tNative,\tcannot open ...\r\n
//
// Everything else is class-wide and configured by "zav_log_trace.properties" in
// $HOME/KESTRIX/ZAV, which the facility writes with its defaults on first start. Trace output
// is off until that file says "enableTrace=true". Nothing here throws; file errors go to the
// standard streams.
class ZvDebug {
 public:
  // Levels of the trace and log files; a higher number is more severe.
  enum Level : unsigned {
    kConfiguration = 0,
    kDetail = 1,
    kInformation = 2,
    kAudit = 3,
    kWarning = 4,
    kError = 5,
    kSevere = 6,
    kFatal = 7,
  };

  // Levels of the copies sent to the debug trace channel.
  static constexpr DebugTrace::MessageLevel ERROR_MSG = DebugTrace::kError;
  static constexpr DebugTrace::MessageLevel WARNING_MSG = DebugTrace::kWarning;
  static constexpr DebugTrace::MessageLevel DEBUG_MSG = DebugTrace::kDebug;
  static constexpr DebugTrace::MessageLevel TRACE_MSG = DebugTrace::kDebug;
  static constexpr DebugTrace::MessageLevel VERBOSE_MSG = DebugTrace::kVerbose;

  // Buffer sizes that callers of the path and time-stamp helpers provide.
  static constexpr size_t kPathSize = 1024;
  static constexpr size_t kTimeStampSize = 32;

  // Preference file keys.
  static constexpr const char* GENERATED_BY = "generatedBy";
  static constexpr const char* LOG_LEVEL = "logLevel";
  static constexpr const char* TRACE_LEVEL = "traceLevel";
  static constexpr const char* LOG_FILE_SIZE = "logFileSize";
  static constexpr const char* TRACE_FILE_SIZE = "traceFileSize";
  static constexpr const char* LOG_FILE_PATH = "logFilePath";
  static constexpr const char* TRACE_FILE_PATH = "traceFilePath";
  static constexpr const char* LOG_BACKUP_FILES_COUNT_LIMIT = "logBackupFilesCountLimit";
  static constexpr const char* TRACE_BACKUP_FILES_COUNT_LIMIT = "traceBackupFilesCountLimit";
  static constexpr const char* ENABLE_TRACE = "enableTrace";
  static constexpr const char* ENABLE_ECLIPSE_LOG_FORMAT = "enableEclipseLogFormat";
  static constexpr const char* LOG_COMPONENT_LEVEL_FILTER = "logComponentLevelFilter";
  static constexpr const char* TRACE_COMPONENT_LEVEL_FILTER = "traceComponentLevelFilter";
  static constexpr const char* ENABLE_MEMORY_TRACE = "enableMemoryTrace";
  static constexpr const char* MEMORY_TRACE_INTERVAL = "memoryTraceInterval";
  static constexpr const char* MEMORY_TRACE_RUN_GC = "memoryTraceRunGC";
  static constexpr const char* ENABLE_INTER_PROCESS_MEMORY_TRACE = "enableInterProcessMemoryTrace";

  static constexpr const char* PREFERENCE_FILE_NAME = "zav_log_trace.properties";
  static constexpr const char* LOG_FILE_NAME = "zav_log.txt";
  static constexpr const char* TRACE_FILE_NAME = "zav_trace.txt";
  static constexpr const char* ECLIPSE_TRACE_FILE_NAME = "zav_trace.log";
  static constexpr const char* PAIR_DELIMETER = ";";
  static constexpr const char* LEVEL_DELIMETER = ",";
  // Every name but "native" belongs to another component of the suite sharing the file; this
  // library's own components fall back to the "native" entry.
  static constexpr const char* DEFAULT_LOG_COMPONENT_FILTERS =
      "tamarol_zv,2;vmq.zavuiplugin,4;native,2;ProbeHostAgent,1;RemoteMethodCaller,1;"
      "WinBrowserEnabler,1;GeckoEnabler,1";
  static constexpr const char* DEFAULT_TRACE_COMPONENT_FILTERS = DEFAULT_LOG_COMPONENT_FILTERS;

  // Makes a handle for facility (a literal; it is not copied). The first handle brings the whole
  // facility up.
  explicit ZvDebug(const char* facility);
  ZvDebug(const ZvDebug&) = delete;
  ZvDebug& operator=(const ZvDebug&) = delete;

  const char* GetFacility() const { return m_facility; }
  // The handle's debug-trace-channel level, looked up again and kept.
  int GetTraceLevel();
  static int GetTraceLevel(const char* facility);

  // The threshold the component table gives a component (exact case), else the global one.
  unsigned getLogFilterLevel();
  static unsigned getLogFilterLevel(const char* component);
  unsigned getTraceFilterLevel();
  static unsigned getTraceFilterLevel(const char* component);

  // Level functions: printf-style, one trace entry per admitted call. With the debug channel's
  // copies on ("back2pldebug"), each call also goes to that channel. They return the length of
  // the traced text, or 0 when no trace entry was written.
  int exception(const char* fmt, ...) ZVDEBUG_PRINTF(2, 3);  // ERROR
  int fatal(const char* fmt, ...) ZVDEBUG_PRINTF(2, 3);      // FATAL
  int severe(const char* fmt, ...) ZVDEBUG_PRINTF(2, 3);     // SEVERE
  int error(const char* fmt, ...) ZVDEBUG_PRINTF(2, 3);      // ERROR
  int Error(const char* fmt, ...) ZVDEBUG_PRINTF(2, 3);      // ERROR
  int warning(const char* fmt, ...) ZVDEBUG_PRINTF(2, 3);    // WARNING
  int Warning(const char* fmt, ...) ZVDEBUG_PRINTF(2, 3);    // WARNING
  int audit(const char* fmt, ...) ZVDEBUG_PRINTF(2, 3);      // AUDIT
  int info(const char* fmt, ...) ZVDEBUG_PRINTF(2, 3);       // INFORMATION
  int debug(const char* fmt, ...) ZVDEBUG_PRINTF(2, 3);      // INFORMATION
  int Debug(const char* fmt, ...) ZVDEBUG_PRINTF(2, 3);      // INFORMATION
  int Trace(const char* fmt, ...) ZVDEBUG_PRINTF(2, 3);      // INFORMATION
  int detail(const char* fmt, ...) ZVDEBUG_PRINTF(2, 3);     // DETAIL
  int Verbose(const char* fmt, ...) ZVDEBUG_PRINTF(2, 3);    // DETAIL
  int config(const char* fmt, ...) ZVDEBUG_PRINTF(2, 3);     // CONFIGURATION

  // Writes a log line (and the same message as a trace entry) when the component's log
  // threshold admits level. Returns whether the log line was written.
  int log(int level, const char* fmt, ...) ZVDEBUG_PRINTF(3, 4);

  // One log line, then the same message as a trace entry whether or not trace output is on.
  // Returns whether the log line was written; never before the preference file was read.
  static int LogMessage(unsigned level, const char* messageId, const char* component,
                        const char* text, const char* extra);
  // One trace entry in the selected style; NewTraceMessage always writes the Eclipse style.
  // Both return whether the trace file could be written.
  static int TraceMessage(unsigned level, const char* component, const char* text,
                          const char* extra);
  static int NewTraceMessage(unsigned level, const char* component, const char* text,
                             const char* extra);

  // "START - <name>" / "END - <name>" at DETAIL on JniNative; the name is not a format.
  static void JNI_Start(const char* name);
  static void JNI_End(const char* name);
  // Whether trace is on and the threshold for "JNI" is 0.
  static bool IsJNITrace() { return s_jniTraceEnabled != 0; }

  // "DEBUG: <text>" on standard error, through the debug trace channel.
  static void ConsoleWrite(const char* text);

  // Reads the preference file and sets the facility up; runs its body once per process.
  static void Initialize();

  // Setters and getters. Levels of 8 or more and size limits of 0 are ignored.
  static void LogSetLevel(unsigned level);
  static void TraceSetLevel(unsigned level);
  static void LogSetFileSizeLimit(unsigned limitKiB);
  static void TraceSetFileSizeLimit(unsigned limitKiB);
  static void LogSetFileName(const char* path);
  static void TraceSetFileName(const char* path);
  static void TraceSetEnabled(unsigned enabled);
  // Whether a Trace call would write nowhere: the trace is off and nothing goes to the debug
  // channel. Reads the settings only (no preference lookup).
  static bool WritesNothing() { return !s_traceEnabled && !s_back2Pldebug; }
  static void LogSetComponentLevel(const char* component, int level);
  static void TraceSetComponentLevel(const char* component, int level);
  static unsigned LogGetLevel() { return s_logLevel; }
  static unsigned TraceGetLevel() { return s_traceLevel; }
  static const char* LogGetFileName() { return s_logFileName; }
  static const char* TraceGetFileName() { return s_traceFileName; }
  static unsigned LogGetFileSizeLimit() { return s_logFileSizeLimit; }
  static unsigned TraceGetFileSizeLimit() { return s_traceFileSizeLimit; }
  static unsigned TraceGetEnabled() { return s_traceEnabled; }

  // Memory-trace settings, read for the suite's other components; nothing here acts on them.
  static unsigned GetMemoryTraceEnabled() { return m_enableMemoryTrace; }
  static unsigned long GetMemoryTraceInterval() { return m_intervalTrace; }
  static unsigned GetMemoryTraceRunGC() { return m_runGC; }
  static unsigned GetInterProcessMemoryTraceEnabled() { return m_enableSpyMemDump; }

  static ZvInstallOptions::Properties* GetInitialLogComponentLevels();
  static ZvInstallOptions::Properties* GetInitialTraceComponentLevels();

  // Preference lookup. The first lookup reads the preference file, writing it with its defaults
  // when there is none; while it cannot be read every lookup answers its default.
  static const char* GetPreference(const char* key, const char* defaultValue);
  // 1 exactly when the value is "true" in any case.
  static unsigned GetBooleanValue(const char* key, unsigned defaultValue);
  // The value's leading decimal digits: "30kb" -> 30, "abc" -> 0.
  static unsigned long GetIntegerValue(const char* key, unsigned long defaultValue);

  // Build the log / trace file path into out (kPathSize bytes) after creating its directory.
  // Without a directory (no home) out is left empty: no file is written.
  static char* GetLogFilePath(const char* key, const char* defaultDir, char* out);
  static char* GetTraceFilePath(const char* key, const char* defaultDir, char* out);
  static bool MkDir(const char* path);
  static bool MkDirs(const char* path);

  // Local time as "2026-12-04/13:05:09.000" and "2026.12.04_13.05.09" (kTimeStampSize bytes).
  static int GetTimeStamp(char* out);
  static int GetTimeStampFileSuffix(char* out);

  // $HOME/KESTRIX/ZAV, into out (kPathSize bytes). Without HOME the home comes from the password
  // database; without either out is empty.
  static char* GetZavPreferenceDirectory(char* out);
  static char* GetZavUserDirectory(char* out);

  // Whether level passes the threshold that table gives component (ignoring case), else its
  // "native" entry, else globalThreshold. Thresholds above 7 (or negative) admit nothing.
  static bool VerifyComponentLevel(const char* component, ZvInstallOptions::Properties* table,
                                   unsigned globalThreshold, unsigned level);
  // Adds the "name,level;..." pairs of text to table, skipping "default".
  static void SetComponentLevelFilter(ZvInstallOptions::Properties* table, const char* text);

  // Renames the regular file at path to a backup name when it is larger than limitKiB, under an
  // advisory lock on the file and never onto an existing backup (CTraceFile).
  static void ValidateFileFileSizeLimit(const char* path, unsigned limitKiB);
  // ".../zav_trace.txt" -> ".../zav_trace_c_2026.12.04_13.05.09.txt", in a process-wide buffer;
  // null when the name would not fit in kPathSize bytes.
  static const char* ReCalculateName(const char* path);
  // The counter'th backup name for path and a time-stamp suffix into out: counter 0 gives
  // ".../zav_trace_c_<suffix>.txt", counter 2 ".../zav_trace_c_<suffix>_2.txt". False when the
  // name does not fit in size bytes.
  static bool BackupName(const char* path, const char* suffix, unsigned counter, char* out,
                         size_t size);
  // Appends text to the file at path with one write, so that it lands whole between other
  // writers' lines. False when there is no path or the file cannot be opened.
  static bool WriteMessage(const char* path, const char* text);

 private:
  static constexpr size_t kMessageSize = 512;
  static constexpr size_t kLineSize = 1024;
  static constexpr size_t kComponentSize = 256;
  static constexpr unsigned kMinimumFileSizeKiB = 2048;
  static constexpr unsigned kLevelCount = 8;

  int Emit(DebugTrace::MessageLevel channelLevel, Level traceLevel, const char* fmt, va_list args);
  static void LoadPreferences();
  static void WriteDefaultPreferences(const char* path);
  static const char* ComponentFilterText(const char* key);
  static unsigned ThresholdOf(const char* value);
  static unsigned ClampToUnsigned(unsigned long value);
  static unsigned FileSizeLimit(unsigned long valueKiB);
  static const char* LevelName(unsigned level);
  static char* BuildFilePath(const char* directory, const char* name, char* out);
  static void SetFileName(char** slot, const char* path);

  const char* m_facility;
  int m_level;

  static const char* const s_levelValues[kLevelCount];
  static unsigned s_logLevel;
  static unsigned s_traceLevel;
  static unsigned s_logFileSizeLimit;
  static unsigned s_traceFileSizeLimit;
  static unsigned s_traceEnabled;
  static unsigned s_newTraceEnabled;
  static unsigned s_couldWriteToLog;
  static unsigned s_back2Pldebug;
  static char* s_logFileName;
  static char* s_traceFileName;
  static ZvInstallOptions::Properties* s_logComponentLevel;
  static ZvInstallOptions::Properties* s_traceComponentLevel;
  static ZvInstallOptions::Properties* s_pLogTraceOptions;
  static unsigned m_enableMemoryTrace;
  static unsigned long m_intervalTrace;
  static unsigned m_runGC;
  static unsigned m_enableSpyMemDump;
  static unsigned s_jniTraceEnabled;
  static unsigned s_initialized;
};

// The library's component handles: "Native" for everything its classes trace, "JNI" for
// JNI_Start / JNI_End.
extern ZvDebug GenericNative;
extern ZvDebug JniNative;

#undef ZVDEBUG_PRINTF

#endif  // NSHTML_COMMON_ZVDEBUG_H
