// Property values made on the agent's side, to hand to setProperty: the same values the
// inspect tool makes (tools/inspect/InspectPropertyValue), named by kind. Each starts with one
// reference, its creator's.
//
//   CHtmlObjectPtr<IHtmlPropertyValue> two = AgentPropertyValue::integer(2);
//   element->setProperty(".selectedIndex", two);
#ifndef TESTS_SUPPORT_AGENTPROPERTYVALUE_H
#define TESTS_SUPPORT_AGENTPROPERTYVALUE_H

#include <string>

#include "InspectPropertyValue.h"

namespace AgentPropertyValue {

inline IHtmlPropertyValue* integer(int value) {
  return new InspectPropertyValue(value);
}
inline IHtmlPropertyValue* boolean(bool value) {
  return new InspectPropertyValue(value);
}
inline IHtmlPropertyValue* text(const std::string& utf8) {
  return new InspectPropertyValue(utf8);
}

}  // namespace AgentPropertyValue

#endif
