#include "NSHtmlCombolistItem.h"

#include "HtmlStandardPropertyIds.h"
#include "HtmlStandardPropertySet.h"
#include "NSHtmlPropertyValue.h"
#include "Tracer.h"

namespace {

enum ReportLine : unsigned int { kLineGetProperty = 380 };

}  // namespace

CNSHtmlCombolistItem::CNSHtmlCombolistItem(IHtmlElement* element, int index)
    : m_element(element), m_index(index) {
  if (m_element)
    m_element->addRef();
}

CNSHtmlCombolistItem::~CNSHtmlCombolistItem() {
  if (m_element)
    m_element->release();
}

IHtmlElement* CNSHtmlCombolistItem::getParent() {
  return m_element ? m_element->getParent() : nullptr;
}

IHtmlElement* CNSHtmlCombolistItem::getTopParent() {
  return m_element ? m_element->getTopParent() : nullptr;
}

bool CNSHtmlCombolistItem::isPointInObject(int x, int y) {
  return m_element && m_element->isPointInObject(x, y);
}

long long CNSHtmlCombolistItem::getObject() {
  if (!m_element)
    return 0;
  long long identity = m_element->getObject();
  CHtmlObjectPtr<IHtmlElement> parent = m_element->getParent();
  if (parent) {
    unsigned long long low = static_cast<unsigned long long>(parent->getObject()) & 0xffffffffULL;
    identity = static_cast<long long>(static_cast<unsigned long long>(identity) + (low << 32));
  }
  return identity;
}

IHtmlPropertyValue* CNSHtmlCombolistItem::getProperty(unsigned int id) {
  try {
    switch (id) {
      case PROP_class:
        return new CNSHtmlPropertyValue("Html.CombolistItem");
      case PROP_bounds:
        return m_element ? m_element->getProperty(id) : nullptr;
      case PROP_index:
        return new CNSHtmlPropertyValue(m_index);
      default:
        return nullptr;
    }
  } catch (...) {
    CTracer::debugTrace("Exception occurred in getProperty() method in %s line %d",
                        "NSHtmlCombolist", kLineGetProperty);
  }
  return nullptr;
}

IHtmlPropertyValue* CNSHtmlCombolistItem::getProperty(const char* name) {
  unsigned int id = name ? CHtmlStandardPropertySet::getPropertyId(name) : 0;
  return id ? getProperty(id) : nullptr;
}
