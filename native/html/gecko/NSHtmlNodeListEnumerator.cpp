#include "NSHtmlNodeListEnumerator.h"

#include "NSHtmlDocument.h"
#include "NSHtmlElement.h"
#include "Tracer.h"
#include "nsIDOMHTMLElement.h"
#include "nsIDOMNode.h"

namespace {
void reportException(unsigned int line) {
  CTracer::debugTrace("%s %s:%d\n", "Unknown exception", "NSHtmlNodeListEnumerator", line);
}
}  // namespace

CNSHtmlNodeListEnumerator::CNSHtmlNodeListEnumerator(nsCOMPtr<nsIDOMNodeList> nodeList)
    : m_nodeList(nodeList) {
  if (m_nodeList)
    m_nodeList->GetLength(&m_length);
}

IHtmlObject* CNSHtmlNodeListEnumerator::nextElement() {
  try {
    while (m_index < m_length) {
      nsCOMPtr<nsIDOMNode> item;
      if (NS_FAILED(m_nodeList->Item(m_index++, getter_AddRefs(item))))
        return nullptr;
      nsCOMPtr<nsIDOMHTMLElement> element = do_QueryInterface(item);
      if (element)
        return CNSHtmlDocument::create(element);
    }
  } catch (...) {
    m_index = m_length;  // a list that threw is not read further
    reportException(__LINE__);
  }
  return nullptr;
}
