#include "NSHtmlCombolistEnumerator.h"

#include "NSHtmlCombolistItem.h"
#include "Tracer.h"
#include "nsStringAPI.h"

namespace {
void reportException(unsigned int line) {
  CTracer::debugTrace("%s %s:%d\n", "Unknown exception", "NSHtmlCombolistEnumerator", line);
}
}  // namespace

CNSHtmlCombolistEnumerator::CNSHtmlCombolistEnumerator(IHtmlEnumerator* selectChildren)
    : m_children(selectChildren) {
  m_next = fetchEntry();
}

IHtmlElement* CNSHtmlCombolistEnumerator::fetchEntry() {
  while (m_children && m_children->hasMoreElements()) {
    CHtmlObjectPtr<IHtmlElement> child = static_cast<IHtmlElement*>(m_children->nextElement());
    if (!child)
      continue;
    CHtmlObjectPtr<IHtmlPropertyValue> tag = child->getProperty(".tag");
    if (!tag || !tag->string())
      continue;
    nsDependentString name(reinterpret_cast<const PRUnichar*>(tag->string()));
    if (name.LowerCaseEqualsLiteral("option") || name.LowerCaseEqualsLiteral("optgroup"))
      return child.detach();
  }
  return nullptr;
}

IHtmlObject* CNSHtmlCombolistEnumerator::nextElement() {
  try {
    CHtmlObjectPtr<IHtmlElement> current = m_next.detach();
    m_next = fetchEntry();
    return new CNSHtmlCombolistItem(current, m_index++);
  } catch (...) {
    m_next = nullptr;
    reportException(__LINE__);
  }
  return nullptr;
}
