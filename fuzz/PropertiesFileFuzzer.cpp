// The install options file and the per-user preference file are read by one loader,
// ZvInstallOptions::Properties::Load. This target hands it any bytes (UTF-8 and UTF-16 with and
// without byte-order marks, long lines and keys, junk) and compares the table it builds with
// an independent reading of the same "key=value" lines; then it applies the preference file's
// component filters as the trace facility does and checks that each component's threshold
// admits a contiguous range of levels.
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "FuzzCheck.h"
#include "ZvDebug.h"
#include "ZvInstallOptions.h"

namespace {

using Table = ZvInstallOptions::Properties;

std::string trimmed(const std::string& text) {
  size_t start = 0;
  size_t end = text.size();
  while (start < end && isspace(static_cast<unsigned char>(text[start])))
    ++start;
  while (end > start && isspace(static_cast<unsigned char>(text[end - 1])))
    --end;
  return text.substr(start, end - start);
}

// One line as the files' format reads it: "#" starts a comment; the key runs from the first
// character that is not "=" to the next "=", the value from the "="s after it to the next "=".
void readLine(std::string line, std::map<std::string, std::string>& expected) {
  line = line.substr(0, line.find('\0'));  // the loader reads each line as C text
  if (line.empty() || line[0] == '#')
    return;
  const size_t keyStart = line.find_first_not_of('=');
  if (keyStart == std::string::npos)
    return;
  const size_t keyEnd = line.find('=', keyStart);
  std::string key = line.substr(keyStart, keyEnd - keyStart);
  std::string value;
  if (keyEnd != std::string::npos) {
    const size_t valueStart = line.find_first_not_of('=', keyEnd);
    if (valueStart != std::string::npos)
      value = line.substr(valueStart, line.find('=', valueStart) - valueStart);
  }
  key = trimmed(key);
  value = trimmed(value);
  if (!key.empty() && !value.empty())
    expected[key] = value;  // the last line of a key wins
}

bool refusedAsUtf16(const uint8_t* data, size_t size) {
  if (size >= 2 && ((data[0] == 0xFF && data[1] == 0xFE) || (data[0] == 0xFE && data[1] == 0xFF)))
    return true;
  if (size >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF)
    return false;  // marked as UTF-8: zero bytes after the mark are read as text
  return memchr(data, 0, size < 256 ? size : 256) != nullptr;
}

std::map<std::string, std::string> expectedEntries(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  if (text.compare(0, 3, "\xEF\xBB\xBF") == 0)
    text.erase(0, 3);
  std::map<std::string, std::string> expected;
  size_t start = 0;
  while (start < text.size()) {
    size_t newline = text.find('\n', start);
    size_t end = newline == std::string::npos ? text.size() : newline;
    readLine(text.substr(start, end - start), expected);
    start = end + 1;
  }
  return expected;
}

void checkTable(Table& table, const std::map<std::string, std::string>& expected) {
  FUZZ_CHECK(table.GetCount() == static_cast<int>(expected.size()));
  const Table::Entry* entries = table.GetEntries();
  for (int i = 0; i < table.GetCount(); ++i) {
    if (i > 0)
      FUZZ_CHECK(strcmp(entries[i - 1].key, entries[i].key) < 0);
    const auto found = expected.find(entries[i].key);
    FUZZ_CHECK(found != expected.end());
    FUZZ_CHECK(found->second == entries[i].value);
    FUZZ_CHECK(table.GetProperty(entries[i].key, nullptr, true) != nullptr);
  }
}

// A threshold admits its own level and every more severe one, or nothing at all.
void checkComponentThresholds(const char* filterText) {
  Table components;
  ZvDebug::SetComponentLevelFilter(&components, filterText);
  const char* names[] = {"native", "Native", "JNI", "tamarol_zv",
                         components.GetCount() > 0 ? components.GetEntries()[0].key : "default"};
  for (const char* name : names) {
    bool admitted = false;
    for (unsigned level = 0; level < 8; ++level) {
      const bool admits = ZvDebug::VerifyComponentLevel(name, &components, 4, level);
      FUZZ_CHECK(admits || !admitted);
      admitted = admits;
    }
  }
}

FILE* openBytes(const uint8_t* data, size_t size) {
  if (size == 0)
    return fopen("/dev/null", "rb");
  return fmemopen(const_cast<uint8_t*>(data), size, "rb");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FILE* stream = openBytes(data, size);
  FUZZ_CHECK(stream != nullptr);
  Table table;
  table.Load(stream, "fuzz input");
  fclose(stream);
  if (refusedAsUtf16(data, size)) {
    FUZZ_CHECK(!table.IsLoaded());
    FUZZ_CHECK(table.GetCount() == 0);
    return 0;
  }
  FUZZ_CHECK(table.IsLoaded());
  checkTable(table, expectedEntries(data, size));
  checkComponentThresholds(table.GetProperty(ZvDebug::TRACE_COMPONENT_LEVEL_FILTER, "", false));
  checkComponentThresholds(table.GetProperty(ZvDebug::LOG_COMPONENT_LEVEL_FILTER, "", false));
  return 0;
}
