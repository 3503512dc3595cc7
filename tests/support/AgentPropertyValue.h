// A property value made on the agent's side, to hand to setProperty: an integer, a string or a
// boolean, with the type codes the product reads (1 integer, 3 string, 7 boolean). Like every
// object that crosses the interfaces it starts with one reference, its creator's.
//
//   CHtmlObjectPtr<IHtmlPropertyValue> two = AgentPropertyValue::integer(2);
//   element->setProperty(".selectedIndex", two);
#ifndef TESTS_SUPPORT_AGENTPROPERTYVALUE_H
#define TESTS_SUPPORT_AGENTPROPERTYVALUE_H

#include <string>
#include <vector>

#include "HtmlObject.h"
#include "HtmlRefCounted.h"

class AgentPropertyValue final : public CHtmlRefCounted<AgentPropertyValue, IHtmlPropertyValue> {
 public:
  static IHtmlPropertyValue* integer(int value) { return new AgentPropertyValue(1, value, ""); }
  static IHtmlPropertyValue* boolean(bool value) { return new AgentPropertyValue(7, value, ""); }
  static IHtmlPropertyValue* text(const std::string& ascii) {
    return new AgentPropertyValue(3, 0, ascii);
  }

  int type() override { return m_type; }
  const unsigned short* string() override { return m_type == 3 ? m_text.data() : nullptr; }
  unsigned short shortValue() override { return static_cast<unsigned short>(m_number); }
  int intValue() override { return m_number; }
  long long longValue() override { return m_number; }
  float floatValue() override { return static_cast<float>(m_number); }
  int stringLength() override { return static_cast<int>(m_text.size()) - 1; }
  IHtmlElement* element() override { return nullptr; }
  HtmlRectangle rectangle() override { return HtmlRectangle{0, 0, 0, 0}; }
  bool booleanValue() override { return m_number != 0; }
  IHtmlObject* object() override { return nullptr; }

 private:
  AgentPropertyValue(int type, int number, const std::string& ascii)
      : m_type(type), m_number(number), m_text(ascii.begin(), ascii.end()) {
    m_text.push_back(0);
  }

  int m_type;
  int m_number;
  std::vector<unsigned short> m_text;
};

#endif
