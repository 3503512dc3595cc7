#include "NSHtmlElementEnumerator.h"

#include "NSHtmlDocument.h"
#include "NSHtmlElement.h"
#include "NSHtmlTextNode.h"
#include "nsIDOMHTMLElement.h"
#include "nsIDOMText.h"

namespace {
bool isElementOrText(nsIDOMNode* node) {
  PRUint16 type = 0;
  node->GetNodeType(&type);
  return type == nsIDOMNode::ELEMENT_NODE || type == nsIDOMNode::TEXT_NODE;
}
}  // namespace

CNSHtmlElementEnumerator::CNSHtmlElementEnumerator(nsCOMPtr<nsIDOMNode> parent)
    : m_parentNode(parent) {
  nsCOMPtr<nsIDOMNode> first;
  if (m_parentNode && NS_SUCCEEDED(m_parentNode->GetFirstChild(getter_AddRefs(first)))) {
    m_nextNode = nextDOMNode(first);
  }
}

nsCOMPtr<nsIDOMNode> CNSHtmlElementEnumerator::nextDOMNode(nsCOMPtr<nsIDOMNode> node) {
  while (node && !isElementOrText(node)) {
    nsCOMPtr<nsIDOMNode> sibling;
    if (NS_FAILED(node->GetNextSibling(getter_AddRefs(sibling))))
      return nullptr;
    node = sibling;
  }
  return node;
}

IHtmlObject* CNSHtmlElementEnumerator::nextElement() {
  if (!m_nextNode)
    return nullptr;
  IHtmlObject* result = nullptr;
  try {
    PRUint16 type = 0;
    m_nextNode->GetNodeType(&type);
    if (type == nsIDOMNode::ELEMENT_NODE) {
      nsCOMPtr<nsIDOMHTMLElement> element = do_QueryInterface(m_nextNode);
      if (element)
        result = CNSHtmlDocument::create(element);
    } else {
      nsCOMPtr<nsIDOMText> text = do_QueryInterface(m_nextNode);
      if (text)
        result = new CNSHtmlTextNode(text);
    }
    nsCOMPtr<nsIDOMNode> sibling;
    if (NS_SUCCEEDED(m_nextNode->GetNextSibling(getter_AddRefs(sibling))) && sibling) {
      m_nextNode = nextDOMNode(sibling);
    } else {
      m_nextNode = nullptr;
    }
  } catch (...) {
    m_nextNode = nullptr;
    if (result)
      result->release();
    return nullptr;
  }
  return result;
}
