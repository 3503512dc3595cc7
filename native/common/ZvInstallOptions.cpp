#include "ZvInstallOptions.h"

#include <strings.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>

#include "DebugTrace.h"
#include "RegistryInformation.h"
#include "ZvDebug.h"

ZvInstallOptions::Properties* ZvInstallOptions::s_pellamProperties = nullptr;
char* ZvInstallOptions::s_installDir = nullptr;

namespace {

char* CopyText(const char* text) {
  char* copy = new char[strlen(text) + 1];
  strcpy(copy, text);
  return copy;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// ZvInstallOptions::Properties

ZvInstallOptions::Properties::Properties() : StringHash(kInitialCapacity) {}

void ZvInstallOptions::Properties::setProperty(const char* key, const char* value) {
  Add(key, value);
}

void ZvInstallOptions::Properties::setProperty(const char* key, bool value) {
  Add(key, value ? "true" : "false");
}

void ZvInstallOptions::Properties::setProperty(const char* key, int value) {
  char text[16];
  snprintf(text, sizeof text, "%d", value);
  Add(key, text);
}

const char* ZvInstallOptions::Properties::GetProperty(const char* key, const char* defaultValue,
                                                      bool ignoreCase) {
  if (!key) {
    return defaultValue;
  }
  if (!ignoreCase) {
    const Entry* entry = Find(key);
    return entry ? entry->value : defaultValue;
  }
  const char* value = defaultValue;
  const Entry* entries = GetEntries();
  for (int i = 0; i < GetCount(); ++i) {
    if (strcasecmp(key, entries[i].key) == 0) {
      value = entries[i].value;
    }
  }
  return value;
}

int ZvInstallOptions::Properties::Load(FILE* stream, const char* sourceName) {
  if (!stream) {
    return GetCount();
  }
  const Encoding encoding = DetectEncoding(stream);
  if (encoding != Encoding::kUtf8 && encoding != Encoding::kUtf8WithMark) {
    ReportRefusal(encoding, sourceName);
    return GetCount();
  }
  if (encoding == Encoding::kUtf8WithMark) {
    // Left in place, the mark would become part of the first key and hide it.
    fseek(stream, 3, SEEK_SET);
  }
  ClearAll();
  std::vector<std::pair<std::string, std::string>> pairs;
  char* line = nullptr;
  size_t lineCapacity = 0;
  while (getline(&line, &lineCapacity, stream) > 0) {
    ParseLine(line, &pairs);
  }
  free(line);
  AddInKeyOrder(&pairs);
  m_loaded = true;
  return GetCount();
}

// Splits "key=value" the way strtok(line, "=") would: leading "=" are skipped, the key ends at the
// first "=", the value at the next one. "e==f" gives e/f; "c=" and "=d" give nothing.
void ZvInstallOptions::Properties::ParseLine(
    char* line, std::vector<std::pair<std::string, std::string>>* pairs) {
  if (line[0] == '#') {
    return;
  }
  char* key = line + strspn(line, "=");
  char* value = key + strcspn(key, "=");
  if (*value) {
    *value++ = '\0';
    value += strspn(value, "=");
    value[strcspn(value, "=")] = '\0';
  }
  Trim(key);
  Trim(value);
  if (*key && *value) {
    pairs->emplace_back(key, value);
  }
}

// Added one by one in file order, n keys in no order cost n moves of the table's tail. Sorted
// first (stably, so that of equal keys the file's last line stays last and wins), every key is
// added at the end of the table.
void ZvInstallOptions::Properties::AddInKeyOrder(
    std::vector<std::pair<std::string, std::string>>* pairs) {
  const auto keyOrder = [](const auto& a, const auto& b) {
    return strcmp(a.first.c_str(), b.first.c_str()) < 0;
  };
  // Files this library wrote are in key order already.
  if (!std::is_sorted(pairs->begin(), pairs->end(), keyOrder)) {
    std::stable_sort(pairs->begin(), pairs->end(), keyOrder);
  }
  for (const auto& [key, value] : *pairs) {
    Add(key.c_str(), value.c_str());
  }
}

bool ZvInstallOptions::Properties::IsUnicode(FILE* stream) {
  if (!stream) {
    return false;
  }
  unsigned char mark[2] = {0, 0};
  const size_t read = fread(mark, 1, sizeof mark, stream);
  rewind(stream);
  return read == sizeof mark && mark[0] == 0xFF && mark[1] == 0xFE;
}

// Text editors on other systems save UTF-16 with or without a mark; read as bytes, such a file
// would look like a file of garbage keys. Zero bytes among the first ones tell it without a mark:
// they never occur in the "key=value" text this format holds.
ZvInstallOptions::Properties::Encoding ZvInstallOptions::Properties::DetectEncoding(FILE* stream) {
  if (!stream) {
    return Encoding::kUtf8;
  }
  unsigned char head[256];
  const size_t read = fread(head, 1, sizeof head, stream);
  rewind(stream);
  if (read >= 2 && head[0] == 0xFF && head[1] == 0xFE) {
    return Encoding::kUtf16LittleEndian;
  }
  if (read >= 2 && head[0] == 0xFE && head[1] == 0xFF) {
    return Encoding::kUtf16BigEndian;
  }
  if (read >= 3 && head[0] == 0xEF && head[1] == 0xBB && head[2] == 0xBF) {
    return Encoding::kUtf8WithMark;
  }
  return memchr(head, 0, read) ? Encoding::kUtf16NoMark : Encoding::kUtf8;
}

// Once per table: the install options are looked for again at every option lookup while they
// cannot be read.
void ZvInstallOptions::Properties::ReportRefusal(Encoding encoding, const char* sourceName) {
  if (m_refusalReported) {
    return;
  }
  m_refusalReported = true;
  const char* what = encoding == Encoding::kUtf16LittleEndian ? "UTF-16 little-endian"
                     : encoding == Encoding::kUtf16BigEndian  ? "UTF-16 big-endian"
                                                              : "UTF-16 without byte-order mark";
  char line[1200];
  snprintf(line, sizeof line, "Not reading %s: %s text; save it as UTF-8",
           sourceName ? sourceName : "properties file", what);
  DebugTrace::WriteToConsole(line);
}

void ZvInstallOptions::Properties::save(const char* path) {
  if (!path) {
    return;
  }
  if (remove(path) != 0) {
    ZvDebug::ConsoleWrite("Error removing preference file");
  }
  FILE* file = fopen(path, "wb+");
  if (!file) {
    return;
  }
  const Entry* entries = GetEntries();
  for (int i = 0; i < GetCount(); ++i) {
    fprintf(file, "%s=%s\r\n", entries[i].key, entries[i].value);
    fflush(file);
  }
  fclose(file);
}

void ZvInstallOptions::Properties::dump(FILE* stream) {
  if (!stream) {
    return;
  }
  fprintf(stream, "Dumping properties....\n");
  fprintf(stream, "# Keys = %d\n", GetCount());
  const Entry* entries = GetEntries();
  for (int i = 0; i < GetCount(); ++i) {
    fprintf(stream, "%s=%s\r\n", entries[i].key, entries[i].value);
    fflush(stream);
  }
}

// ---------------------------------------------------------------------------------------------
// ZvInstallOptions

ZvInstallOptions::ZvInstallOptions() {
  if (!s_pellamProperties) {
    s_pellamProperties = new Properties();
  }
}

ZvInstallOptions::~ZvInstallOptions() {
  delete s_pellamProperties;
  s_pellamProperties = nullptr;
}

char* ZvInstallOptions::GetOption(const char* key) {
  if (!s_pellamProperties || !key) {
    return nullptr;
  }
  if (!s_pellamProperties->IsLoaded()) {
    if (FILE* stream = GetPropertiesStream()) {
      const std::string path = std::string(GetInstallDir()) + fileSeparator + PROPERTIES_FILE_NAME;
      s_pellamProperties->Load(stream, path.c_str());
      fclose(stream);
    }
    if (!s_pellamProperties->IsLoaded()) {
      return nullptr;
    }
  }
  const Properties::Entry* entry = s_pellamProperties->Find(key);
  if (!entry || strcasecmp(entry->value, OPTIONNOTSET) == 0) {
    return nullptr;
  }
  return entry->value;
}

char* ZvInstallOptions::GetInstallDir() {
  if (!s_installDir) {
    char buffer[kInstallDirBufferSize];
    if (CRegistryInformation::getPellamInstall(buffer, sizeof buffer)) {
      s_installDir = CopyText(buffer);
    }
  }
  return s_installDir;
}

void ZvInstallOptions::SetInstallDir(const char* dir) {
  if (!dir) {
    return;
  }
  if (!s_installDir) {
    s_installDir = CopyText(dir);
  } else if (strcasecmp(s_installDir, dir) == 0) {
    // Equal ignoring case means equal length: the text is rewritten in place so that pointers
    // handed out before stay valid.
    strcpy(s_installDir, dir);
  }
}

FILE* ZvInstallOptions::GetPropertiesStream() {
  const char* dir = GetInstallDir();
  if (!dir) {
    return nullptr;
  }
  const std::string path = std::string(dir) + fileSeparator + PROPERTIES_FILE_NAME;
  return fopen(path.c_str(), "rb");
}

char* ZvInstallOptions::Trim(char* s) {
  if (!s) {
    return s;
  }
  char* start = s;
  while (*start && isspace(static_cast<unsigned char>(*start))) {
    ++start;
  }
  size_t length = strlen(start);
  while (length > 0 && isspace(static_cast<unsigned char>(start[length - 1]))) {
    --length;
  }
  memmove(s, start, length);
  s[length] = '\0';
  return s;
}

void ZvInstallOptions::StripTrailingSlash(char* s) {
  if (!s || !*s) {
    return;
  }
  char& last = s[strlen(s) - 1];
  if (last == '/' || last == '\\') {
    last = '\0';
  }
}

// ---------------------------------------------------------------------------------------------
// Free functions

const char* getFirstAccessibleFile(const char* list) {
  static std::string found;
  if (!list) {
    return nullptr;
  }
  const std::string entries(list);
  size_t start = 0;
  while (start <= entries.size()) {
    size_t end = entries.find(':', start);
    if (end == std::string::npos) {
      end = entries.size();
    }
    const std::string entry = entries.substr(start, end - start);
    if (!entry.empty() && access(entry.c_str(), F_OK) == 0) {
      found = entry;
      return found.c_str();
    }
    start = end + 1;
  }
  return nullptr;
}

char* strlwr(char* s) {
  if (!s) {
    return s;
  }
  for (char* c = s; *c; ++c) {
    *c = static_cast<char>(tolower(static_cast<unsigned char>(*c)));
  }
  return s;
}
