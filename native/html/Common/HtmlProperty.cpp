#include "HtmlProperty.h"

#include <cstring>

#include "ZvDebug.h"

// Reports values that outlive the property that carried them: someone kept a reference.
ZvDebug dbgMem __attribute__((init_priority(3000))) ("memleak");

namespace {
const unsigned short kEmptyName[1] = {0};
}

CHtmlProperty::CHtmlProperty(const unsigned short* name, CHtmlObjectPtr<IHtmlPropertyValue> value)
    : m_name(nullptr), m_value(value) {
  if (!name)
    name = kEmptyName;
  size_t length = wcslen(name);
  m_name = new unsigned short[length + 1];
  wcscpy(m_name, name);
}

CHtmlProperty::~CHtmlProperty() {
  if (m_value && m_value->getReferenceCount() > 1) {
    dbgMem.Error("~CHtmlPropery(); m_value's refCount = %d", m_value->getReferenceCount());
  }
  m_value = nullptr;
  delete[] m_name;
}
