#ifndef NSHTML_COMMON_LEVELPAIRS_H
#define NSHTML_COMMON_LEVELPAIRS_H

#include <functional>

// Walks a filter text of "name,level" pairs separated by ";" and calls visit for each pair that
// has both a name and a level. Runs of separators yield no empty items:
//   "a,1;;b,2;c;,3" visits (a, 1) and (b, 2).
void ForEachLevelPair(const char* text,
                      const std::function<void(const char* name, const char* level)>& visit);

#endif  // NSHTML_COMMON_LEVELPAIRS_H
