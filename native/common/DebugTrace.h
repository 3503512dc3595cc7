#ifndef NSHTML_COMMON_DEBUGTRACE_H
#define NSHTML_COMMON_DEBUGTRACE_H

#include <cstdarg>
#include <memory>
#include <string>

#include "IntHash.h"

// The debug trace channel: lines of configurable fields, written to the file that the install
// option "tamarol.test.zv.debug.filename" names and, when asked, to standard error. It is set up
// once from the install options and lives as long as the process.
//
// With the format option "date;msg" and a message "ready", a line reads "12/4/26  ready  ".
class DebugTrace {
 public:
  // Channel levels; a lower number is more severe. A message passes when its level is at most
  // the facility's level.
  enum MessageLevel : int { kError = 0, kWarning = 1, kDebug = 2, kVerbose = 3 };

  // The singleton. Its first construction also brings up the trace and log files
  // (ZvDebug::Initialize), which may in turn print through the channel.
  static DebugTrace* GetTraceObject();

  // The level configured for facility (ignoring case), else that of "default", else 1; a level
  // of 0 counts as not configured. 1 when no facilities are configured at all.
  static int GetTraceLevel(const char* facility);

  bool IsEnabled() const { return m_enabled; }
  bool IsActive(const char* facility, MessageLevel level);

  // Formats the message and sends the line to the file (when the facility is active at level
  // and file output is on) and to the console (whenever console output is on).
  void Println(const char* facility, MessageLevel level, const char* fmt, va_list args);

  // The line for one message: each configured field followed by two spaces.
  std::unique_ptr<char[]> Format(const char* facility, MessageLevel level, const char* text);

  // Appends line and a line end to the file with one write, so that lines of several processes
  // never interleave, however long; with clear, truncates the file instead.
  void WriteToFile(const char* line, bool clear);
  void ClearFile();
  // Prints "DEBUG: <line>" on standard error, in one write. Needs no channel: the install
  // options loader reports through it while the channel is still being built.
  static void WriteToConsole(const char* line);

  static const char* GetOption(const char* key);

  // Field texts. The date and time come from the C library's ctime text
  // ("Fri Dec  4 13:05:09 2026\n"): FormatDate gives "12/4/26", FormatTime with 7 ms gives
  // "01:05:09.007 PM".
  static std::string FormatDate(const char* ctimeText);
  static std::string FormatTime(const char* ctimeText, int milliseconds);
  // "Dec" -> "12" (any case); anything else -> "Unknown".
  static const char* MonthToMonthNumber(const char* month);
  // The process id right-aligned in six characters, keeping the last six digits of a longer id:
  // 42 -> "    42", 1234567 -> "234567". The text lives in a process-wide buffer.
  static const char* FormatPid();
  static const char* FormatPid(long pid);
  // "[pthread=<id>]" for the calling thread, in a new 256-byte buffer.
  static std::unique_ptr<char[]> FormatTid();

 private:
  enum FieldCode { kDate = 0, kTime, kSeverity, kMsg, kFacility, kPid, kTid, kFieldCodeCount };

  static constexpr int kMaxFormats = 7;
  static constexpr int kFacilityCapacity = 20;
  static constexpr size_t kMessageSize = 5000;
  static constexpr size_t kTidSize = 256;
  static constexpr const char* FORMAT_DELIMETER_STR = ";";
  static constexpr const char* EOL = "\n";

  DebugTrace();

  void InitFacilities(const char* text);
  void InitFormat(const char* text);
  int LevelOf(const char* facility);
  static const char* SeverityText(MessageLevel level);
  static bool OptionIsTrue(const char* key);
  static std::string CurrentDate();
  static std::string CurrentTime();

  bool m_enabled = false;
  IntHash m_facilities{kFacilityCapacity};
  // A copy of the file name option, so that the channel outlives the install options table,
  // which is released when the library is unloaded.
  std::unique_ptr<char[]> m_fileName;
  bool m_toConsole = false;
  bool m_toFile = false;
  int m_formatCount = kMaxFormats;
  int m_maxFormats = kMaxFormats;

  static int s_formats[kMaxFormats];
  static char s_pidString[7];
  static DebugTrace* s_debug;
};

#endif  // NSHTML_COMMON_DEBUGTRACE_H
