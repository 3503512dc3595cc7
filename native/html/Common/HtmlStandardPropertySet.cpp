#include "HtmlStandardPropertySet.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {
const unsigned int NE = CHtmlStandardPropertySet::NOT_ENUMERATED;

// Most probes meet another property's row: the first letters tell them apart without a call.
bool isNamed(const HtmlPropertyRow& row, const char* name) {
  return row.name[0] == name[0] && strcmp(row.name, name) == 0;
}

// The agent asks for the same few names again and again, nearly always with the same string
// constant: the row that each recently asked address led to is tried first, and confirmed by
// its text (a reused buffer may hold another name by then). Calls come from the browser's main
// thread only.
struct RecentName {
  const char* canonicalName;
  const HtmlPropertyRow* row;
};
RecentName gRecentNames[16];

RecentName& recentNameFor(const char* canonicalName) {
  auto address = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(canonicalName));
  return gRecentNames[(address * 2654435769u) >> 28];  // Fibonacci hashing to 16 slots
}
}  // namespace

const HtmlPropertyRow CHtmlStandardPropertySet::m_propertyList[] = {
    {"tag", 1},
    {"id", 2},
    {"name", 3},
    {"title", 4},
    {"class", 5},
    {"offsetLeft", 6},
    {"offsetTop", 7},
    {"offsetWidth", 8},
    {"offsetHeight", 9},
    {"text", 10},
    {"screenLeft", 11},
    {"screenTop", 12},
    {"className", 13},
    {"bounds", 14},
    {"uniqueId", 15 | NE},
    {"url", 16},
    {"type", 19},
    {"value", 18},
    {"cookie", 17},
    {"checked", 20},
    {"defaultValue", 21},
    {"defaultChecked", 22},
    {"alt", 23},
    {"size", 24},
    {"src", 25},
    {"disabled", 26},
    {"maxLength", 27},
    {"length", 29},
    {"selectedIndex", 30},
    {"multiple", 28},
    {"indeterminate", 31},
    {"select", 32},
    {"readOnly", 33},
    {"selected", 34},
    {"defaultSelected", 35},
    {"index", 36},
    {"align", 37},
    {"border", 38},
    {"height", 39},
    {"width", 40},
    {"hspace", 41},
    {"vspace", 42},
    {"isMap", 43},
    {"useMap", 44},
    {"window", 45},
    {"shape", 46},
    {"coords", 47},
    {"href", 48},
    {"caption", 49},
    {"rowIndex", 50},
    {"cellIndex", 51},
    {"rowSpan", 52},
    {"colSpan", 53},
    {"target", 54},
    {"noHref", 55},
    {"readyState", 57},
    {"codeBase", 58},
    {"code", 59},
    {"frameIndex", 60 | NE},
    {"rows", 61},
    {"clientRect", 62},
    {"comboList", 63 | NE},
    {"nestedBounds", 64 | NE},
    {"scrollPosX", 65 | NE},
    {"hasScript", 66},
    {"documentName", 67},
    {"visible", 68},
    {"statusText", 69},
    {"uIType", 70 | NE},
    {"isScrollable", 74 | NE},
    {"vScrollWidth", 71 | NE},
    {"hScrollHeight", 72 | NE},
    {"hasFocus", 73},
    {"multiTabBounds", 75 | NE},
    {"ajaxTraceOn", 76 | NE},
    {"ajaxPendingRequests", 77 | NE},
    {"ajaxCompletedRequests", 78 | NE},
    {"clsId", 79},
    {"contentText", 80},
    {nullptr, 0},
};

const HtmlPropertyRow* CHtmlStandardPropertySet::m_hashMap[CHtmlStandardPropertySet::HASH_SLOTS];

CHtmlStandardPropertySet::CHtmlStandardPropertySet() {
  init();
}

CHtmlStandardPropertySet* CHtmlStandardPropertySet::getStandardSet() {
  static CHtmlStandardPropertySet* s_set = new CHtmlStandardPropertySet();
  return s_set;
}

unsigned int CHtmlStandardPropertySet::hash(const char* name) {
  unsigned int value = 0;
  for (const char* p = name; *p; ++p) {
    value = (value << 8) | (value >> 24);
    value += static_cast<unsigned int>(static_cast<int>(static_cast<signed char>(*p)));
  }
  return value;
}

// Open addressing with linear probing; a probe that runs off the end wraps to slot 0.
void CHtmlStandardPropertySet::init() {
  for (const HtmlPropertyRow*& slot : m_hashMap)
    slot = nullptr;
  for (const HtmlPropertyRow* row = m_propertyList; row->name; ++row) {
    const unsigned int start = hash(row->name) % HASH_SLOTS;
    for (unsigned int step = 0; step < HASH_SLOTS; ++step) {
      const HtmlPropertyRow*& slot = m_hashMap[(start + step) % HASH_SLOTS];
      if (!slot) {
        slot = row;
        break;
      }
    }
  }
}

unsigned int CHtmlStandardPropertySet::getPropertyId(const char* canonicalName) {
  getStandardSet();
  if (!canonicalName || canonicalName[0] != '.')
    return 0;
  const char* name = canonicalName + 1;
  RecentName& recent = recentNameFor(canonicalName);
  if (recent.canonicalName == canonicalName && recent.row && isNamed(*recent.row, name))
    return recent.row->id & ~NOT_ENUMERATED;
  const HtmlPropertyRow* row = findRow(name);
  if (!row)
    return 0;
  recent = {canonicalName, row};
  return row->id & ~NOT_ENUMERATED;
}

// The probe goes round the slots from the name's hash and ends at the first empty one.
const HtmlPropertyRow* CHtmlStandardPropertySet::findRow(const char* name) {
  const unsigned int start = hash(name) % HASH_SLOTS;
  for (unsigned int step = 0; step < HASH_SLOTS; ++step) {
    const HtmlPropertyRow* row = m_hashMap[(start + step) % HASH_SLOTS];
    if (!row)
      return nullptr;
    if (isNamed(*row, name))
      return row;
  }
  return nullptr;
}

const char* CHtmlStandardPropertySet::getCanonicalName(unsigned int row) {
  static char s_buffer[64];
  const unsigned int rowCount = sizeof(m_propertyList) / sizeof(m_propertyList[0]) - 1;
  if (row >= rowCount)
    return nullptr;
  snprintf(s_buffer, sizeof s_buffer, ".%s", m_propertyList[row].name);
  return s_buffer;
}
