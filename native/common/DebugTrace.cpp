#include "DebugTrace.h"

#include <pthread.h>
#include <strings.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "LevelPairs.h"
#include "TraceFile.h"
#include "ZvDebug.h"
#include "ZvInstallOptions.h"

int DebugTrace::s_formats[kMaxFormats] = {kDate, kTime, kPid, kSeverity, kFacility, kTid, kMsg};
char DebugTrace::s_pidString[7] = "";
DebugTrace* DebugTrace::s_debug = nullptr;

namespace {

// Field names of the format option, indexed by field code.
constexpr const char* kFieldNames[] = {"date", "time", "severity", "msg", "facility", "pid", "tid"};

constexpr const char* kMonthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr const char* kMonthNumbers[] = {"1", "2", "3", "4",  "5",  "6",
                                         "7", "8", "9", "10", "11", "12"};

// The words of a ctime text: weekday, month, day, hh:mm:ss, year.
struct CtimeFields {
  std::string month;
  std::string day;
  std::string clock;
  std::string year;
};

bool SplitCtime(const char* ctimeText, CtimeFields* fields) {
  if (!ctimeText) {
    return false;
  }
  std::string copy(ctimeText);
  char* rest = nullptr;
  std::string words[5];
  int count = 0;
  for (char* word = strtok_r(&copy[0], " \n", &rest); word && count < 5;
       word = strtok_r(nullptr, " \n", &rest)) {
    words[count++] = word;
  }
  if (count < 5) {
    return false;
  }
  *fields = CtimeFields{words[1], words[2], words[3], words[4]};
  return true;
}

std::unique_ptr<char[]> CopyToBuffer(const std::string& text) {
  std::unique_ptr<char[]> buffer(new char[text.size() + 1]);
  memcpy(buffer.get(), text.c_str(), text.size() + 1);
  return buffer;
}

}  // namespace

DebugTrace* DebugTrace::GetTraceObject() {
  if (!s_debug) {
    // Set before the trace files come up, so that whatever they print through the channel
    // finds it instead of building a second one.
    s_debug = new DebugTrace();
    ZvDebug::Initialize();
  }
  return s_debug;
}

int DebugTrace::GetTraceLevel(const char* facility) {
  return GetTraceObject()->LevelOf(facility);
}

DebugTrace::DebugTrace() {
  m_enabled = OptionIsTrue(ZvInstallOptions::DEBUG_ENABLED);
  const char* fileName = GetOption(ZvInstallOptions::DEBUG_FILENAME);
  if (!fileName) {
    return;
  }
  m_fileName = CopyToBuffer(fileName);
  if (OptionIsTrue(ZvInstallOptions::DEBUG_CLEAR)) {
    ClearFile();
  }
  if (const char* facilities = GetOption(ZvInstallOptions::DEBUG_FACILITIES)) {
    InitFacilities(facilities);
  }
  if (const char* format = GetOption(ZvInstallOptions::DEBUG_FORMAT)) {
    InitFormat(format);
  }
  m_toConsole = OptionIsTrue(ZvInstallOptions::DEBUG_NATIVE_TO_CONSOLE);
  m_toFile = OptionIsTrue(ZvInstallOptions::DEBUG_NATIVE_TO_FILE);
}

bool DebugTrace::IsActive(const char* facility, MessageLevel level) {
  return m_enabled && level <= LevelOf(facility);
}

void DebugTrace::Println(const char* facility, MessageLevel level, const char* fmt, va_list args) {
  if (!fmt) {
    return;
  }
  const bool toFile = m_toFile && m_fileName && IsActive(facility, level);
  if (!toFile && !m_toConsole) {
    return;
  }
  char text[kMessageSize];
  vsnprintf(text, sizeof text, fmt, args);
  const std::unique_ptr<char[]> line = Format(facility, level, text);
  if (toFile) {
    WriteToFile(line.get(), false);
  }
  // Console copies are not filtered by level: they serve whoever watches the process.
  if (m_toConsole) {
    WriteToConsole(line.get());
  }
}

std::unique_ptr<char[]> DebugTrace::Format(const char* facility, MessageLevel level,
                                           const char* text) {
  std::string line;
  for (int i = 0; i < m_formatCount; ++i) {
    switch (s_formats[i]) {
      case kDate:
        line += CurrentDate();
        break;
      case kTime:
        line += CurrentTime();
        break;
      case kSeverity:
        line += SeverityText(level);
        break;
      case kMsg:
        line += text ? text : "";
        break;
      case kFacility:
        line += facility ? facility : "";
        break;
      case kPid:
        line += FormatPid();
        break;
      case kTid:
        line += FormatTid().get();
        break;
      default:
        break;
    }
    line += "  ";
  }
  return CopyToBuffer(line);
}

void DebugTrace::WriteToFile(const char* line, bool clear) {
  if (!m_fileName) {
    return;
  }
  if (clear) {
    if (FILE* file = fopen(m_fileName.get(), "wb")) {
      fclose(file);
    }
    return;
  }
  // A stream would split a line longer than its buffer over several writes. A line that cannot
  // be written is lost silently: the channel is a debugging aid.
  const std::string text = std::string(line ? line : "") + EOL;
  CTraceFile::Append(m_fileName.get(), text.data(), text.size());
}

void DebugTrace::ClearFile() {
  WriteToFile(nullptr, true);
}

void DebugTrace::WriteToConsole(const char* line) {
  const std::string text = "DEBUG: " + std::string(line ? line : "") + "\n";
  fflush(stderr);
  if (write(STDERR_FILENO, text.data(), text.size()) < 0) {
    // Nowhere left to say it.
  }
}

const char* DebugTrace::GetOption(const char* key) {
  return ZvInstallOptions::GetOption(key);
}

std::string DebugTrace::FormatDate(const char* ctimeText) {
  CtimeFields fields;
  if (!SplitCtime(ctimeText, &fields)) {
    return std::string();
  }
  const std::string& year = fields.year;
  return std::string(MonthToMonthNumber(fields.month.c_str())) + "/" +
         std::to_string(atoi(fields.day.c_str())) + "/" +
         (year.size() > 2 ? year.substr(year.size() - 2) : year);
}

std::string DebugTrace::FormatTime(const char* ctimeText, int milliseconds) {
  CtimeFields fields;
  int hour = 0;
  int minute = 0;
  int second = 0;
  if (!SplitCtime(ctimeText, &fields) ||
      sscanf(fields.clock.c_str(), "%d:%d:%d", &hour, &minute, &second) != 3) {
    return std::string();
  }
  const bool afternoon = hour >= 12;
  if (hour > 12) {
    hour -= 12;
  }
  char text[32];
  snprintf(text, sizeof text, "%02d:%02d:%02d.%03d %s", hour, minute, second, milliseconds,
           afternoon ? "PM" : "AM");
  return text;
}

const char* DebugTrace::MonthToMonthNumber(const char* month) {
  for (size_t i = 0; month && i < sizeof kMonthNames / sizeof kMonthNames[0]; ++i) {
    if (strcasecmp(month, kMonthNames[i]) == 0) {
      return kMonthNumbers[i];
    }
  }
  return "Unknown";
}

const char* DebugTrace::FormatPid() {
  return FormatPid(static_cast<long>(getpid()));
}

const char* DebugTrace::FormatPid(long pid) {
  char digits[24];
  snprintf(digits, sizeof digits, "%ld", pid);
  const size_t length = strlen(digits);
  const char* lastSix = digits + (length > 6 ? length - 6 : 0);
  char text[sizeof s_pidString];
  snprintf(text, sizeof text, "%6s", lastSix);
  // Threads tracing at once all read the shared buffer: it is only written when its text
  // changes (first use, a forked child), never cleared on the way, so no reader sees it half
  // made.
  if (memcmp(text, s_pidString, sizeof text) != 0) {
    memcpy(s_pidString, text, sizeof text);
  }
  return s_pidString;
}

std::unique_ptr<char[]> DebugTrace::FormatTid() {
  std::unique_ptr<char[]> text(new char[kTidSize]);
  snprintf(text.get(), kTidSize, "[pthread=%ld]", static_cast<long>(pthread_self()));
  return text;
}

void DebugTrace::InitFacilities(const char* text) {
  ForEachLevelPair(text, [this](const char* name, const char* level) {
    std::string lowered(name);
    strlwr(&lowered[0]);
    m_facilities.Add(lowered.c_str(), static_cast<int>(strtol(level, nullptr, 10)));
  });
}

// Unknown field names are skipped and take no position; positions past the new count keep their
// old codes but are not used.
void DebugTrace::InitFormat(const char* text) {
  std::string copy(text);
  char* rest = nullptr;
  m_formatCount = 0;
  for (char* name = strtok_r(&copy[0], FORMAT_DELIMETER_STR, &rest);
       name && m_formatCount < m_maxFormats;
       name = strtok_r(nullptr, FORMAT_DELIMETER_STR, &rest)) {
    for (int code = 0; code < kFieldCodeCount; ++code) {
      if (strcasecmp(name, kFieldNames[code]) == 0) {
        s_formats[m_formatCount++] = code;
        break;
      }
    }
  }
}

int DebugTrace::LevelOf(const char* facility) {
  if (m_facilities.GetCount() == 0) {
    return 1;
  }
  std::string lowered(facility ? facility : "");
  strlwr(&lowered[0]);
  if (const int level = m_facilities[lowered.c_str()]) {
    return level;
  }
  if (const int level = m_facilities["default"]) {
    return level;
  }
  return 1;
}

const char* DebugTrace::SeverityText(MessageLevel level) {
  switch (level) {
    case kError:
      return "Err";
    case kWarning:
      return "Wrn";
    case kDebug:
      return "Dbg";
    case kVerbose:
      return "   ";
  }
  return "???";
}

bool DebugTrace::OptionIsTrue(const char* key) {
  const char* value = GetOption(key);
  return value && strcasecmp(value, "true") == 0;
}

std::string DebugTrace::CurrentDate() {
  const time_t now = time(nullptr);
  char text[32];
  return ctime_r(&now, text) ? FormatDate(text) : std::string();
}

std::string DebugTrace::CurrentTime() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  char text[32];
  if (!ctime_r(&now.tv_sec, text)) {
    return std::string();
  }
  return FormatTime(text, static_cast<int>(now.tv_nsec / 1000000));
}
