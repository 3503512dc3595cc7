#include "NSHtmlNodeListEnumerator.h"

#include "NSHtmlDocument.h"
#include "NSHtmlElement.h"
#include "nsIDOMHTMLElement.h"
#include "nsIDOMNode.h"

CNSHtmlNodeListEnumerator::CNSHtmlNodeListEnumerator(nsCOMPtr<nsIDOMNodeList> nodeList)
    : m_nodeList(nodeList) {
  if (m_nodeList)
    m_nodeList->GetLength(&m_length);
}

IHtmlObject* CNSHtmlNodeListEnumerator::nextElement() {
  while (m_index < m_length) {
    nsCOMPtr<nsIDOMNode> item;
    if (NS_FAILED(m_nodeList->Item(m_index++, getter_AddRefs(item))))
      return nullptr;
    nsCOMPtr<nsIDOMHTMLElement> element = do_QueryInterface(item);
    if (element)
      return CNSHtmlDocument::create(element);
  }
  return nullptr;
}
