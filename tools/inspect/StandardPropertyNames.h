// The canonical names of the product's standard property table, as the agent knows them: the
// tool links none of the product's code, and the product's enumeration leaves out both the
// rows it does not enumerate and the properties an object has no value for, so neither tells
// a name the table lacks from one the object leaves empty.
#ifndef TOOLS_INSPECT_STANDARDPROPERTYNAMES_H
#define TOOLS_INSPECT_STANDARDPROPERTYNAMES_H

#include <string>
#include <vector>

class StandardPropertyNames {
 public:
  // Every canonical name (".tag", ".id", ...), in the table's order.
  static const std::vector<std::string>& all();
  static bool contains(const std::string& canonicalName);
};

#endif
