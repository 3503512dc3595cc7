#include "NSHtmlElementEnumerator.h"

#include "NSHtmlDocument.h"
#include "NSHtmlElement.h"
#include "NSHtmlTextNode.h"
#include "nsIDOMHTMLElement.h"
#include "nsIDOMText.h"

CNSHtmlElementEnumerator::CNSHtmlElementEnumerator(nsCOMPtr<nsIDOMNode> parent)
    : m_parentNode(parent) {
  nsCOMPtr<nsIDOMNode> first;
  if (m_parentNode && NS_SUCCEEDED(m_parentNode->GetFirstChild(getter_AddRefs(first))))
    advanceTo(first);
}

void CNSHtmlElementEnumerator::advanceTo(nsCOMPtr<nsIDOMNode>& node) {
  while (node) {
    PRUint16 type = 0;
    node->GetNodeType(&type);
    if (type == nsIDOMNode::ELEMENT_NODE || type == nsIDOMNode::TEXT_NODE) {
      m_nextNode.swap(node);
      m_nextType = type;
      return;
    }
    nsCOMPtr<nsIDOMNode> sibling;
    if (NS_FAILED(node->GetNextSibling(getter_AddRefs(sibling))))
      break;
    node.swap(sibling);
  }
  m_nextNode = nullptr;
}

IHtmlObject* CNSHtmlElementEnumerator::nextElement() {
  if (!m_nextNode)
    return nullptr;
  IHtmlObject* result = nullptr;
  try {
    if (m_nextType == nsIDOMNode::ELEMENT_NODE) {
      nsCOMPtr<nsIDOMHTMLElement> element = do_QueryInterface(m_nextNode);
      if (element)
        result = CNSHtmlDocument::create(element);
    } else {
      nsCOMPtr<nsIDOMText> text = do_QueryInterface(m_nextNode);
      if (text)
        result = new CNSHtmlTextNode(text);
    }
    nsCOMPtr<nsIDOMNode> sibling;
    if (NS_SUCCEEDED(m_nextNode->GetNextSibling(getter_AddRefs(sibling))))
      advanceTo(sibling);
    else
      m_nextNode = nullptr;
  } catch (...) {
    m_nextNode = nullptr;
    if (result)
      result->release();
    return nullptr;
  }
  return result;
}
