#include "LevelPairs.h"

#include <cstring>
#include <string>

namespace {

constexpr const char* kPairDelimiter = ";";
constexpr const char* kLevelDelimiter = ",";

}  // namespace

void ForEachLevelPair(const char* text,
                      const std::function<void(const char* name, const char* level)>& visit) {
  if (!text) {
    return;
  }
  std::string copy(text);
  char* pairs = nullptr;
  for (char* pair = strtok_r(&copy[0], kPairDelimiter, &pairs); pair;
       pair = strtok_r(nullptr, kPairDelimiter, &pairs)) {
    char* fields = nullptr;
    const char* name = strtok_r(pair, kLevelDelimiter, &fields);
    const char* level = strtok_r(nullptr, kLevelDelimiter, &fields);
    if (name && level) {
      visit(name, level);
    }
  }
}
