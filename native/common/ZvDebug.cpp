#include "ZvDebug.h"

#include <errno.h>
#include <pwd.h>
#include <strings.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <cctype>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "LevelPairs.h"
#include "TraceFile.h"

const char* const ZvDebug::s_levelValues[kLevelCount] = {
    "CONFIGURATION", "DETAIL", "INFORMATION", "AUDIT", "WARNING", "ERROR", "SEVERE", "FATAL"};
unsigned ZvDebug::s_logLevel = 4;
unsigned ZvDebug::s_traceLevel = 4;
unsigned ZvDebug::s_logFileSizeLimit = 2048;
unsigned ZvDebug::s_traceFileSizeLimit = 2048;
unsigned ZvDebug::s_traceEnabled = 0;
unsigned ZvDebug::s_newTraceEnabled = 0;
unsigned ZvDebug::s_couldWriteToLog = 0;
unsigned ZvDebug::s_back2Pldebug = 0;
char* ZvDebug::s_logFileName = nullptr;
char* ZvDebug::s_traceFileName = nullptr;
ZvInstallOptions::Properties* ZvDebug::s_logComponentLevel = nullptr;
ZvInstallOptions::Properties* ZvDebug::s_traceComponentLevel = nullptr;
ZvInstallOptions::Properties* ZvDebug::s_pLogTraceOptions = nullptr;
unsigned ZvDebug::m_enableMemoryTrace = 0;
unsigned long ZvDebug::m_intervalTrace = 5;
unsigned ZvDebug::m_runGC = 1;
unsigned ZvDebug::m_enableSpyMemDump = 0;
unsigned ZvDebug::s_jniTraceEnabled = 0;
unsigned ZvDebug::s_initialized = 0;

namespace {

// Severity of each level in an Eclipse-style entry.
constexpr int kEclipseSeverity[] = {0, 0, 1, 1, 2, 4, 4, 4};

constexpr const char* kDirectoryError = "Exception creating preference file directory: %s\n";

// Guards Initialize against being re-entered through what it calls.
bool s_initializing = false;

// Backup name of the last rotated file; process-wide, like the rotation itself.
char s_backupName[ZvDebug::kPathSize];

// Formats into a fixed-size buffer; text that does not fit is cut, as every line, path and
// name of the facility is.
__attribute__((format(printf, 3, 4))) void FormatCut(char* out, size_t size, const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  vsnprintf(out, size, fmt, args);
  va_end(args);
}

// Formats a path into out (ZvDebug::kPathSize bytes). A path that does not fit is refused rather
// than cut, since the cut text names another file: out becomes empty and the refusal is reported
// (once per path, as lookups repeat).
__attribute__((format(printf, 2, 3))) bool FormatPath(char* out, const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  const int length = vsnprintf(out, ZvDebug::kPathSize, fmt, args);
  va_end(args);
  if (length >= 0 && static_cast<size_t>(length) < ZvDebug::kPathSize) {
    return true;
  }
  static std::string s_lastRefused;
  if (s_lastRefused != out) {
    s_lastRefused = out;
    fprintf(stderr, "Path too long (%d bytes, at most %zu), not used: %.60s...\n", length,
            ZvDebug::kPathSize - 1, out);
  }
  out[0] = '\0';
  return false;
}

// The home directory: $HOME, or the password database's entry for the user when HOME is unset
// or empty. False when neither names one; then nothing is written anywhere.
bool GetHomeDirectory(std::string* home) {
  const char* variable = getenv("HOME");
  if (variable && *variable) {
    *home = variable;
    return true;
  }
  std::vector<char> buffer(4096);
  passwd entry{};
  passwd* result = nullptr;
  int status;
  while ((status = getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &result)) == ERANGE &&
         buffer.size() < (1u << 20)) {
    buffer.resize(buffer.size() * 2);
  }
  if (status != 0 || !result || !result->pw_dir || !*result->pw_dir) {
    return false;
  }
  *home = result->pw_dir;
  return true;
}

char* FormatZavDirectory(char* out) {
  if (!out) {
    return out;
  }
  std::string home;
  if (!GetHomeDirectory(&home)) {
    out[0] = '\0';
    return out;
  }
  FormatPath(out, "%s%s%s%s%s", home.c_str(), "/", "KESTRIX", "/", "ZAV");
  return out;
}

bool LocalNow(tm* now) {
  const time_t seconds = time(nullptr);
  return localtime_r(&seconds, now) != nullptr;
}

bool InstallOptionIsTrue(const char* key) {
  const char* value = ZvInstallOptions::GetOption(key);
  return value && strcasecmp(value, "true") == 0;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Handles

ZvDebug::ZvDebug(const char* facility)
    : m_facility(facility), m_level(DebugTrace::GetTraceLevel(facility)) {}

int ZvDebug::GetTraceLevel() {
  m_level = GetTraceLevel(m_facility);
  return m_level;
}

int ZvDebug::GetTraceLevel(const char* facility) {
  return DebugTrace::GetTraceLevel(facility);
}

unsigned ZvDebug::getLogFilterLevel() {
  return getLogFilterLevel(m_facility);
}

unsigned ZvDebug::getLogFilterLevel(const char* component) {
  const char* value =
      s_logComponentLevel ? s_logComponentLevel->GetProperty(component, nullptr, false) : nullptr;
  return value && *value ? ThresholdOf(value) : s_logLevel;
}

unsigned ZvDebug::getTraceFilterLevel() {
  return getTraceFilterLevel(m_facility);
}

unsigned ZvDebug::getTraceFilterLevel(const char* component) {
  const char* value = s_traceComponentLevel
                          ? s_traceComponentLevel->GetProperty(component, nullptr, false)
                          : nullptr;
  return value && *value ? ThresholdOf(value) : s_traceLevel;
}

// ---------------------------------------------------------------------------------------------
// Level functions

int ZvDebug::Emit(DebugTrace::MessageLevel channelLevel, Level traceLevel, const char* fmt,
                  va_list args) {
  if (!fmt || !*fmt) {
    return 0;
  }
  if (s_back2Pldebug) {
    va_list copy;
    va_copy(copy, args);
    DebugTrace::GetTraceObject()->Println(m_facility, channelLevel, fmt, copy);
    va_end(copy);
  }
  if (!s_traceEnabled ||
      !VerifyComponentLevel(m_facility, s_traceComponentLevel, s_traceLevel, traceLevel)) {
    return 0;
  }
  char text[kMessageSize];
  const int length = vsnprintf(text, sizeof text, fmt, args);
  TraceMessage(traceLevel, m_facility, text, nullptr);
  return length < 0 ? 0 : static_cast<int>(strlen(text));
}

int ZvDebug::exception(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  const int length = Emit(ERROR_MSG, kError, fmt, args);
  va_end(args);
  return length;
}

int ZvDebug::fatal(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  const int length = Emit(ERROR_MSG, kFatal, fmt, args);
  va_end(args);
  return length;
}

int ZvDebug::severe(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  const int length = Emit(ERROR_MSG, kSevere, fmt, args);
  va_end(args);
  return length;
}

int ZvDebug::error(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  const int length = Emit(ERROR_MSG, kError, fmt, args);
  va_end(args);
  return length;
}

int ZvDebug::Error(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  const int length = Emit(ERROR_MSG, kError, fmt, args);
  va_end(args);
  return length;
}

int ZvDebug::warning(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  const int length = Emit(WARNING_MSG, kWarning, fmt, args);
  va_end(args);
  return length;
}

int ZvDebug::Warning(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  const int length = Emit(WARNING_MSG, kWarning, fmt, args);
  va_end(args);
  return length;
}

int ZvDebug::audit(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  const int length = Emit(DEBUG_MSG, kAudit, fmt, args);
  va_end(args);
  return length;
}

int ZvDebug::info(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  const int length = Emit(DEBUG_MSG, kInformation, fmt, args);
  va_end(args);
  return length;
}

int ZvDebug::debug(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  const int length = Emit(DEBUG_MSG, kInformation, fmt, args);
  va_end(args);
  return length;
}

int ZvDebug::Debug(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  const int length = Emit(DEBUG_MSG, kInformation, fmt, args);
  va_end(args);
  return length;
}

int ZvDebug::Trace(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  const int length = Emit(TRACE_MSG, kInformation, fmt, args);
  va_end(args);
  return length;
}

int ZvDebug::detail(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  const int length = Emit(VERBOSE_MSG, kDetail, fmt, args);
  va_end(args);
  return length;
}

int ZvDebug::Verbose(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  const int length = Emit(VERBOSE_MSG, kDetail, fmt, args);
  va_end(args);
  return length;
}

int ZvDebug::config(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  const int length = Emit(VERBOSE_MSG, kConfiguration, fmt, args);
  va_end(args);
  return length;
}

int ZvDebug::log(int level, const char* fmt, ...) {
  if (!fmt || !VerifyComponentLevel(m_facility, s_logComponentLevel, s_logLevel,
                                    static_cast<unsigned>(level))) {
    return 0;
  }
  char text[kMessageSize];
  va_list args;
  va_start(args, fmt);
  vsnprintf(text, sizeof text, fmt, args);
  va_end(args);
  return LogMessage(static_cast<unsigned>(level), "", m_facility, text, nullptr);
}

// ---------------------------------------------------------------------------------------------
// Lines and entries

// Log lines carry an empty message-id field: the suite's readers expect no ids from this
// library.
int ZvDebug::LogMessage(unsigned level, const char*, const char* component, const char* text,
                        const char* extra) {
  int written = 0;
  if (s_couldWriteToLog) {
    char stamp[kTimeStampSize];
    GetTimeStamp(stamp);
    const std::unique_ptr<char[]> tid = DebugTrace::FormatTid();
    char line[kLineSize];
    FormatCut(line, sizeof line, "%s,\t%s:%s,\t%s,\t%s,\t%s: %s\r\n", stamp,
              DebugTrace::FormatPid(), tid.get(), LevelName(level), component ? component : "", "",
              text ? text : "");
    ValidateFileFileSizeLimit(s_logFileName, s_logFileSizeLimit);
    written = WriteMessage(s_logFileName, line) ? 1 : 0;
  }
  TraceMessage(level, component, text, extra);
  return written;
}

int ZvDebug::TraceMessage(unsigned level, const char* component, const char* text,
                          const char* extra) {
  if (s_newTraceEnabled) {
    return NewTraceMessage(level, component, text, extra);
  }
  char name[kComponentSize];
  FormatCut(name, sizeof name, "%s", component ? component : "");
  char stamp[kTimeStampSize];
  GetTimeStamp(stamp);
  const std::unique_ptr<char[]> tid = DebugTrace::FormatTid();
  char line[kLineSize];
  FormatCut(line, sizeof line, "%s,\t%s:%s,\t%s,\t%s,\t%s\r\n", stamp, DebugTrace::FormatPid(),
            tid.get(), LevelName(level), name, text ? text : "");
  ValidateFileFileSizeLimit(s_traceFileName, s_traceFileSizeLimit);
  return WriteMessage(s_traceFileName, line) ? 1 : 0;
}

// Eclipse-style entries are appended without a size check: such trace files are never rotated.
int ZvDebug::NewTraceMessage(unsigned level, const char* component, const char* text, const char*) {
  const int severity = level < kLevelCount ? kEclipseSeverity[level] : 0;
  // Without a text only the text is replaced: the entry keeps its pid, tid and level.
  char message[kLineSize];
  const std::unique_ptr<char[]> tid = DebugTrace::FormatTid();
  FormatCut(message, sizeof message, "!MESSAGE [%s:%s:C:%d] %s", DebugTrace::FormatPid(), tid.get(),
            static_cast<int>(level), text ? text : "_no_message_");
  char stamp[kTimeStampSize];
  GetTimeStamp(stamp);
  char entry[kLineSize];
  FormatCut(entry, sizeof entry, "!ENTRY %s %d 0 %s\r\n%s\r\n", component ? component : "",
            severity, stamp, message);
  return WriteMessage(s_traceFileName, entry) ? 1 : 0;
}

const char* ZvDebug::LevelName(unsigned level) {
  return level < kLevelCount ? s_levelValues[level] : "UNKNOWN";
}

void ZvDebug::JNI_Start(const char* name) {
  if (name) {
    JniNative.Verbose("%s%s", "START - ", name);
  }
}

void ZvDebug::JNI_End(const char* name) {
  if (name) {
    JniNative.Verbose("%s%s", "END - ", name);
  }
}

void ZvDebug::ConsoleWrite(const char* text) {
  DebugTrace::GetTraceObject()->WriteToConsole(text);
}

// ---------------------------------------------------------------------------------------------
// Start-up and preferences

void ZvDebug::Initialize() {
  if (s_initialized || s_initializing) {
    return;
  }
  s_initializing = true;
  if (!s_logComponentLevel) {
    s_logComponentLevel = new ZvInstallOptions::Properties();
  }
  if (!s_traceComponentLevel) {
    s_traceComponentLevel = new ZvInstallOptions::Properties();
  }
  char directory[kPathSize];
  GetZavPreferenceDirectory(directory);
  if (*directory && !MkDirs(directory)) {
    fprintf(stderr, kDirectoryError, directory);
  }
  s_back2Pldebug = InstallOptionIsTrue(ZvInstallOptions::BACK2PLDEBUG) ? 1 : 0;

  // The first lookup reads (or creates) the preference file.
  s_traceEnabled = GetBooleanValue(ENABLE_TRACE, 0);
  // The Eclipse style needs trace on.
  s_newTraceEnabled = s_traceEnabled && GetBooleanValue(ENABLE_ECLIPSE_LOG_FORMAT, 0) ? 1 : 0;
  s_logLevel = ClampToUnsigned(GetIntegerValue(LOG_LEVEL, 4));
  s_traceLevel = ClampToUnsigned(GetIntegerValue(TRACE_LEVEL, 4));
  s_logFileSizeLimit = FileSizeLimit(GetIntegerValue(LOG_FILE_SIZE, kMinimumFileSizeKiB));
  s_traceFileSizeLimit = FileSizeLimit(GetIntegerValue(TRACE_FILE_SIZE, kMinimumFileSizeKiB));

  // The trace file's name depends on the style chosen above.
  char userDirectory[kPathSize];
  GetZavUserDirectory(userDirectory);
  char path[kPathSize];
  SetFileName(&s_logFileName, GetLogFilePath(LOG_FILE_PATH, userDirectory, path));
  SetFileName(&s_traceFileName, GetTraceFilePath(TRACE_FILE_PATH, userDirectory, path));

  m_enableMemoryTrace = GetBooleanValue(ENABLE_MEMORY_TRACE, 0);
  m_intervalTrace = GetIntegerValue(MEMORY_TRACE_INTERVAL, 5);
  m_runGC = GetBooleanValue(MEMORY_TRACE_RUN_GC, 1);
  m_enableSpyMemDump = GetBooleanValue(ENABLE_INTER_PROCESS_MEMORY_TRACE, 0);
  s_jniTraceEnabled =
      s_traceEnabled && VerifyComponentLevel("JNI", s_traceComponentLevel, s_traceLevel, 0) ? 1 : 0;
  s_initialized = 1;
  s_initializing = false;
}

ZvInstallOptions::Properties* ZvDebug::GetInitialLogComponentLevels() {
  Initialize();
  return s_logComponentLevel;
}

ZvInstallOptions::Properties* ZvDebug::GetInitialTraceComponentLevels() {
  Initialize();
  return s_traceComponentLevel;
}

const char* ZvDebug::GetPreference(const char* key, const char* defaultValue) {
  if (!s_pLogTraceOptions) {
    s_pLogTraceOptions = new ZvInstallOptions::Properties();
  }
  if (!s_pLogTraceOptions->IsLoaded()) {
    LoadPreferences();
  }
  if (!s_pLogTraceOptions->IsLoaded()) {
    return defaultValue;
  }
  return s_pLogTraceOptions->GetProperty(key, defaultValue, false);
}

// Reads the preference file into s_pLogTraceOptions, creating it with its defaults when it does
// not exist, and adds its component filters to the component tables. Without a home there is
// no file to read or create.
void ZvDebug::LoadPreferences() {
  char directory[kPathSize];
  if (!*GetZavPreferenceDirectory(directory)) {
    return;
  }
  char path[kPathSize];
  if (!FormatPath(path, "%s/%s", directory, PREFERENCE_FILE_NAME)) {
    return;
  }
  FILE* file = fopen(path, "r");
  // Written once per process: every lookup comes back here while the file cannot be read, and a
  // directory that cannot be created would fail (and say so) on each of them.
  static bool s_defaultsWritten = false;
  if (!file && !s_defaultsWritten) {
    s_defaultsWritten = true;
    WriteDefaultPreferences(path);
    file = fopen(path, "r");
  }
  if (!file) {
    s_couldWriteToLog = 0;
    return;
  }
  s_couldWriteToLog = 1;
  s_pLogTraceOptions->Load(file, path);
  SetComponentLevelFilter(s_logComponentLevel, ComponentFilterText(LOG_COMPONENT_LEVEL_FILTER));
  SetComponentLevelFilter(s_traceComponentLevel, ComponentFilterText(TRACE_COMPONENT_LEVEL_FILTER));
  fclose(file);
}

void ZvDebug::WriteDefaultPreferences(const char* path) {
  char userDirectory[kPathSize];
  GetZavUserDirectory(userDirectory);
  ZvInstallOptions::Properties& options = *s_pLogTraceOptions;
  options.setProperty(GENERATED_BY, "native");
  options.setProperty(LOG_LEVEL, "4");
  options.setProperty(TRACE_LEVEL, "4");
  options.setProperty(LOG_FILE_SIZE, "2048");
  options.setProperty(TRACE_FILE_SIZE, "2048");
  options.setProperty(LOG_FILE_PATH, userDirectory);
  options.setProperty(TRACE_FILE_PATH, userDirectory);
  options.setProperty(LOG_BACKUP_FILES_COUNT_LIMIT, "50");
  options.setProperty(TRACE_BACKUP_FILES_COUNT_LIMIT, "50");
  options.setProperty(ENABLE_TRACE, "false");
  options.setProperty(LOG_COMPONENT_LEVEL_FILTER, DEFAULT_LOG_COMPONENT_FILTERS);
  options.setProperty(TRACE_COMPONENT_LEVEL_FILTER, DEFAULT_TRACE_COMPONENT_FILTERS);
  options.setProperty(ENABLE_MEMORY_TRACE, "false");
  options.setProperty(MEMORY_TRACE_INTERVAL, "5");
  options.setProperty(MEMORY_TRACE_RUN_GC, "true");
  options.setProperty(ENABLE_INTER_PROCESS_MEMORY_TRACE, "false");
  options.save(path);
}

// The preference file's filter, or the debug channel's filter option when the file has none.
const char* ZvDebug::ComponentFilterText(const char* key) {
  const char* text = s_pLogTraceOptions->GetProperty(key, nullptr, false);
  return text ? text : ZvInstallOptions::GetOption(ZvInstallOptions::DEBUG_FACILITIES);
}

unsigned ZvDebug::GetBooleanValue(const char* key, unsigned defaultValue) {
  const char* value = GetPreference(key, defaultValue == 1 ? "true" : "false");
  return value && strcasecmp(value, "true") == 0 ? 1 : 0;
}

unsigned long ZvDebug::GetIntegerValue(const char* key, unsigned long defaultValue) {
  const std::string fallback = std::to_string(defaultValue);
  const char* value = GetPreference(key, fallback.c_str());
  // Saturates instead of wrapping: "4294967296" must not become a small number.
  unsigned long number = 0;
  for (const char* digit = value; digit && isdigit(static_cast<unsigned char>(*digit)); ++digit) {
    const unsigned long units = static_cast<unsigned long>(*digit - '0');
    if (number > (ULONG_MAX - units) / 10) {
      return ULONG_MAX;
    }
    number = number * 10 + units;
  }
  return number;
}

// ---------------------------------------------------------------------------------------------
// Thresholds

bool ZvDebug::VerifyComponentLevel(const char* component, ZvInstallOptions::Properties* table,
                                   unsigned globalThreshold, unsigned level) {
  if (!component || !table) {
    return false;
  }
  const char* value = table->GetProperty(component, nullptr, true);
  if (!value || !*value) {
    value = table->GetProperty("native", nullptr, true);
  }
  const unsigned threshold = value && *value ? ThresholdOf(value) : globalThreshold;
  return threshold < kLevelCount && level >= threshold;
}

// A signed decimal taken as unsigned: "-1" becomes huge and so admits nothing, and text without
// a number counts as 0, which admits everything. Numbers beyond what an unsigned holds, of
// either sign, admit nothing too rather than wrapping round to a small threshold.
unsigned ZvDebug::ThresholdOf(const char* value) {
  const long long number = strtoll(value, nullptr, 10);
  if (number > static_cast<long long>(UINT_MAX) || number < -static_cast<long long>(UINT_MAX)) {
    return UINT_MAX;
  }
  return static_cast<unsigned>(number);
}

unsigned ZvDebug::ClampToUnsigned(unsigned long value) {
  return value > UINT_MAX ? UINT_MAX : static_cast<unsigned>(value);
}

// Out-of-range numbers clamp to the largest limit; small ones rise to the floor.
unsigned ZvDebug::FileSizeLimit(unsigned long valueKiB) {
  return valueKiB < kMinimumFileSizeKiB ? kMinimumFileSizeKiB : ClampToUnsigned(valueKiB);
}

void ZvDebug::SetComponentLevelFilter(ZvInstallOptions::Properties* table, const char* text) {
  if (!table) {
    return;
  }
  ForEachLevelPair(text, [table](const char* name, const char* level) {
    if (strcasecmp(name, "default") != 0) {
      table->setProperty(name, level);
    }
  });
}

// ---------------------------------------------------------------------------------------------
// Setters

void ZvDebug::LogSetLevel(unsigned level) {
  if (level < kLevelCount) {
    s_logLevel = level;
  }
}

void ZvDebug::TraceSetLevel(unsigned level) {
  if (level < kLevelCount) {
    s_traceLevel = level;
  }
}

void ZvDebug::LogSetFileSizeLimit(unsigned limitKiB) {
  if (limitKiB != 0) {
    s_logFileSizeLimit = limitKiB;
  }
}

void ZvDebug::TraceSetFileSizeLimit(unsigned limitKiB) {
  if (limitKiB != 0) {
    s_traceFileSizeLimit = limitKiB;
  }
}

void ZvDebug::LogSetFileName(const char* path) {
  SetFileName(&s_logFileName, path);
}

void ZvDebug::TraceSetFileName(const char* path) {
  SetFileName(&s_traceFileName, path);
}

void ZvDebug::TraceSetEnabled(unsigned enabled) {
  s_traceEnabled = enabled;
}

void ZvDebug::LogSetComponentLevel(const char* component, int level) {
  if (component && s_logComponentLevel) {
    s_logComponentLevel->setProperty(component, level);
  }
}

void ZvDebug::TraceSetComponentLevel(const char* component, int level) {
  if (component && s_traceComponentLevel) {
    s_traceComponentLevel->setProperty(component, level);
  }
}

void ZvDebug::SetFileName(char** slot, const char* path) {
  char* copy = nullptr;
  if (path) {
    copy = new char[strlen(path) + 1];
    strcpy(copy, path);
  }
  delete[] * slot;
  *slot = copy;
}

// ---------------------------------------------------------------------------------------------
// Files and directories

char* ZvDebug::GetZavPreferenceDirectory(char* out) {
  return FormatZavDirectory(out);
}

char* ZvDebug::GetZavUserDirectory(char* out) {
  return FormatZavDirectory(out);
}

char* ZvDebug::GetLogFilePath(const char* key, const char* defaultDir, char* out) {
  return out ? BuildFilePath(GetPreference(key, defaultDir), LOG_FILE_NAME, out) : out;
}

char* ZvDebug::GetTraceFilePath(const char* key, const char* defaultDir, char* out) {
  const char* name = s_newTraceEnabled ? ECLIPSE_TRACE_FILE_NAME : TRACE_FILE_NAME;
  return out ? BuildFilePath(GetPreference(key, defaultDir), name, out) : out;
}

char* ZvDebug::BuildFilePath(const char* directory, const char* name, char* out) {
  if (!directory || !*directory) {
    out[0] = '\0';
    return out;
  }
  if (!FormatPath(out, "%s/%s", directory, name)) {
    return out;
  }
  if (!MkDirs(directory)) {
    fprintf(stderr, kDirectoryError, directory);
  }
  return out;
}

bool ZvDebug::MkDir(const char* path) {
  if (!path) {
    return false;
  }
  return access(path, F_OK) == 0 || mkdir(path, 0744) == 0 || errno == EEXIST;
}

bool ZvDebug::MkDirs(const char* path) {
  if (!path) {
    return false;
  }
  if (access(path, F_OK) == 0) {
    return true;
  }
  std::string prefix(path);
  const size_t start = prefix.find_first_not_of('/');
  for (size_t slash = prefix.find('/', start);
       start != std::string::npos && slash != std::string::npos;
       slash = prefix.find('/', slash + 1)) {
    if (!MkDir(prefix.substr(0, slash).c_str())) {
      return false;
    }
  }
  return MkDir(path);
}

int ZvDebug::GetTimeStamp(char* out) {
  tm now{};
  if (!out || !LocalNow(&now)) {
    return 0;
  }
  FormatCut(out, kTimeStampSize, "%04d-%02d-%02d/%02d:%02d:%02d.000", now.tm_year + 1900,
            now.tm_mon + 1, now.tm_mday, now.tm_hour, now.tm_min, now.tm_sec);
  return 1;
}

int ZvDebug::GetTimeStampFileSuffix(char* out) {
  tm now{};
  if (!out || !LocalNow(&now)) {
    return 0;
  }
  FormatCut(out, kTimeStampSize, "%04d.%02d.%02d_%02d.%02d.%02d", now.tm_year + 1900,
            now.tm_mon + 1, now.tm_mday, now.tm_hour, now.tm_min, now.tm_sec);
  return 1;
}

// A file may outgrow its limit by one line: the check runs before each write. Backups are
// neither counted nor deleted. Rotations of several writers within one second get distinct
// backups: the first is ".../zav_trace_c_<suffix>.txt", the next ".../zav_trace_c_<suffix>_1.txt".
void ZvDebug::ValidateFileFileSizeLimit(const char* path, unsigned limitKiB) {
  if (!path || !*path) {
    return;
  }
  // The time is read only when a rotation is due, not on every line.
  char suffix[kTimeStampSize] = "";
  const CTraceFile::Rotation rotation = CTraceFile::RotateIfLarger(
      path, limitKiB, [path, &suffix](unsigned counter, char* out, size_t size) {
        if (!*suffix) {
          GetTimeStampFileSuffix(suffix);
        }
        return BackupName(path, suffix, counter, out, size);
      });
  if (rotation == CTraceFile::Rotation::kFailed) {
    fprintf(stderr, "Rename failed\n");
  }
}

const char* ZvDebug::ReCalculateName(const char* path) {
  if (!path) {
    return nullptr;
  }
  char suffix[kTimeStampSize] = "";
  GetTimeStampFileSuffix(suffix);
  return BackupName(path, suffix, 0, s_backupName, sizeof s_backupName) ? s_backupName : nullptr;
}

bool ZvDebug::BackupName(const char* path, const char* suffix, unsigned counter, char* out,
                         size_t size) {
  char tag[kTimeStampSize + 16];
  if (counter == 0) {
    snprintf(tag, sizeof tag, "_c_%s", suffix);
  } else {
    snprintf(tag, sizeof tag, "_c_%s_%u", suffix, counter);
  }
  const char* dot = strrchr(path, '.');
  const int length =
      dot ? snprintf(out, size, "%.*s%s%s", static_cast<int>(dot - path), path, tag, dot)
          : snprintf(out, size, "%s%s.txt", path, tag);
  // A cut name would be another file's name.
  return length >= 0 && static_cast<size_t>(length) < size;
}

// One open, one write and one close per message, so that lines of several processes sharing
// the file stay whole and a crash loses nothing written.
bool ZvDebug::WriteMessage(const char* path, const char* text) {
  if (!path || !*path || !text) {
    return false;
  }
  switch (CTraceFile::Append(path, text, strlen(text))) {
    case CTraceFile::AppendResult::kWritten:
      return true;
    case CTraceFile::AppendResult::kShortWrite:
      fprintf(stderr, "Error writing to the file (1).\n");
      fputs(text, stdout);
      fflush(stdout);
      return true;
    case CTraceFile::AppendResult::kNotOpened:
      break;
  }
  fprintf(stderr, "Error writing to the file (2).\n");
  fputs(text, stdout);
  fflush(stdout);
  return false;
}

// ---------------------------------------------------------------------------------------------
// Start-up at load, before every other module of the library: the install options, then the
// handles (the first brings the facility up), then the component tables.

namespace {

// Owns the install options table until the library is unloaded.
ZvInstallOptions s_installOptions __attribute__((init_priority(1000)));

}  // namespace

ZvDebug GenericNative __attribute__((init_priority(1000))){"Native"};
ZvDebug JniNative __attribute__((init_priority(1000))){"JNI"};

namespace {

// Last step of the start-up: makes sure the component tables exist, bringing the facility up
// should no handle have done so.
struct ComponentLevelTables {
  ComponentLevelTables() {
    ZvDebug::GetInitialLogComponentLevels();
    ZvDebug::GetInitialTraceComponentLevels();
  }
};

ComponentLevelTables s_componentLevelTables __attribute__((init_priority(1000)));

}  // namespace
