#include "HtmlStandardPropertyEnumerator.h"

#include <cstdlib>
#include <cstring>

#include "HtmlStandardPropertySet.h"

CHtmlStandardPropertyEnumerator::CHtmlStandardPropertyEnumerator(IHtmlElement* element)
    : m_element(element), m_source(nullptr), m_row(-1), m_nextProperty(nullptr) {
  m_element->addRef();
}

CHtmlStandardPropertyEnumerator::CHtmlStandardPropertyEnumerator(IActiveXObject* source)
    : m_element(nullptr), m_source(source), m_row(-1), m_nextProperty(nullptr) {}

CHtmlStandardPropertyEnumerator::~CHtmlStandardPropertyEnumerator() {
  if (m_nextProperty)
    m_nextProperty->release();
  if (m_element)
    m_element->release();
}

IHtmlProperty* CHtmlStandardPropertyEnumerator::nextProperty() {
  const HtmlPropertyRow* rows = CHtmlStandardPropertySet::m_propertyList;
  while (rows[m_row].name) {
    const HtmlPropertyRow& row = rows[m_row++];
    if (row.id & CHtmlStandardPropertySet::NOT_ENUMERATED)
      continue;
    size_t length = strlen(row.name);
    char* canonicalName = static_cast<char*>(malloc(length + 2));
    if (!canonicalName)
      abort();
    canonicalName[0] = '.';
    memcpy(canonicalName + 1, row.name, length + 1);
    CHtmlObjectPtr<IHtmlPropertyValue> value =
        m_element ? m_element->getProperty(canonicalName) : m_source->getProperty(canonicalName);
    IHtmlProperty* property = value ? createProperty(canonicalName, value) : nullptr;
    free(canonicalName);
    if (property)
      return property;
  }
  return nullptr;
}

void CHtmlStandardPropertyEnumerator::startIfNeeded() {
  if (m_row != -1)
    return;
  m_row = 0;
  m_nextProperty = nextProperty();
}

bool CHtmlStandardPropertyEnumerator::hasMoreElements() {
  startIfNeeded();
  return m_nextProperty != nullptr;
}

IHtmlObject* CHtmlStandardPropertyEnumerator::nextElement() {
  startIfNeeded();
  IHtmlProperty* current = m_nextProperty;
  m_nextProperty = current ? nextProperty() : nullptr;
  return current;
}
