#include "NSHtmlNativePropertyEnumerator.h"

#include "HtmlProperty.h"
#include "NSHtmlPropertyValue.h"
#include "Tracer.h"
#include "nsIDOMAttr.h"

namespace {
void reportException(unsigned int line) {
  CTracer::debugTrace("%s %s:%d\n", "Unknown exception", "NSHtmlNativePropertyEnumerator", line);
}
}  // namespace

CNSHtmlNativePropertyEnumerator::CNSHtmlNativePropertyEnumerator(nsCOMPtr<nsIDOMNode>& node) {
  if (!node || NS_FAILED(node->GetAttributes(getter_AddRefs(m_attributes))) || !m_attributes) {
    m_attributes = nullptr;
    return;
  }
  PRUint32 length = 0;
  if (NS_SUCCEEDED(m_attributes->GetLength(&length)))
    m_attributeCount = length;
}

IHtmlObject* CNSHtmlNativePropertyEnumerator::nextElement() {
  if (!hasMoreElements())
    return nullptr;
  try {
    return makeProperty();
  } catch (...) {
    m_nextAttribute = m_attributeCount;  // attributes that threw are not read further
    reportException(__LINE__);
  }
  return nullptr;
}

IHtmlObject* CNSHtmlNativePropertyEnumerator::makeProperty() {
  nsCOMPtr<nsIDOMNode> item;
  m_attributes->Item(m_nextAttribute++, getter_AddRefs(item));
  if (!item)
    return nullptr;
  nsCOMPtr<nsIDOMAttr> attribute = do_QueryInterface(item);
  if (!attribute) {
    CTracer::debugTrace("Non- attribute in attribute list??\n");
    return nullptr;
  }
  nsString_external name;
  nsString_external value;
  if (NS_FAILED(attribute->GetName(name)) || NS_FAILED(attribute->GetValue(value))) {
    return nullptr;
  }
  return new CHtmlProperty(name.get(),
                           CHtmlObjectPtr<IHtmlPropertyValue>(new CNSHtmlPropertyValue(value)));
}
