#include "NSHtmlBrowserChildEnumerator.h"

#include <vector>

#include "NSHtmlBrowser.h"
#include "NSHtmlBrowserToolbar.h"
#include "NSHtmlDocument.h"
#include "Tracer.h"
#include "nsIDOMDocument.h"
#include "nsIDOMElement.h"
#include "nsIDOMNode.h"
#include "nsIDOMNodeList.h"
#include "nsIDOMXULElement.h"
#include "nsIDocShell.h"
#include "nsIXULWindow.h"

namespace {

void reportException(unsigned int line) {
  CTracer::debugTrace("%s %s:%d\n", "Unknown exception", "NSHtmlBrowserChildEnumerator", line);
}

PRUint32 lengthOf(nsIDOMNodeList* list) {
  PRUint32 length = 0;
  if (list)
    list->GetLength(&length);
  return length;
}

nsCOMPtr<nsIDOMXULElement> xulItem(nsIDOMNodeList* list, PRUint32 index) {
  nsCOMPtr<nsIDOMNode> node;
  list->Item(index, getter_AddRefs(node));
  nsCOMPtr<nsIDOMXULElement> element = do_QueryInterface(node);
  return element;
}

nsString_external attribute(nsIDOMXULElement* element, const char* name) {
  nsString_external value;
  if (element)
    element->GetAttribute(NS_LITERAL_STRING(name), value);
  return value;
}

}  // namespace

CNSHtmlBrowserChildEnumerator::CNSHtmlBrowserChildEnumerator(
    nsCOMPtr<nsIXULWindow> window, CHtmlObjectPtr<CNSHtmlDocument>& document)
    : m_window(window), m_document(document) {
  if (!m_window)
    return;
  nsCOMPtr<nsIDocShell> shell;
  if (NS_FAILED(m_window->GetDocShell(getter_AddRefs(shell))))
    return;
  nsCOMPtr<nsIDOMNode> root = CNSHtmlBrowser::getDOMNodeFromDocShell(shell);
  if (!root)
    return;
  m_navigationItems = getToolbarElement(root, "nav-bar");
  m_bookmarksItems = getToolbarElement(root, "PersonalToolbar");
  m_findItems = getToolbarElement(root, "FindToolbar");
}

CNSHtmlBrowserChildEnumerator::~CNSHtmlBrowserChildEnumerator() = default;

nsCOMPtr<nsIDOMNodeList> CNSHtmlBrowserChildEnumerator::getToolbarElement(nsCOMPtr<nsIDOMNode> node,
                                                                          const char* id) {
  nsCOMPtr<nsIDOMNodeList> result;
  if (!node || !id)
    return result;
  // From the chrome's root element, the document's getElementById answers the first element
  // with the id in tree order; when that is a XUL element it is the one the walk would find.
  nsCOMPtr<nsIDOMDocument> document;
  node->GetOwnerDocument(getter_AddRefs(document));
  nsCOMPtr<nsIDOMElement> root;
  if (document)
    document->GetDocumentElement(getter_AddRefs(root));
  nsCOMPtr<nsIDOMNode> rootNode = do_QueryInterface(root);
  nsCOMPtr<nsIDOMElement> byId;
  if (rootNode && rootNode == node)
    document->GetElementById(NS_ConvertASCIItoUTF16(id), getter_AddRefs(byId));
  if (nsCOMPtr<nsIDOMXULElement> toolbar = do_QueryInterface(byId)) {
    toolbar->GetChildNodes(getter_AddRefs(result));
    return result;
  }
  return findToolbarElement(node, id);
}

// The first XUL element with the id in tree order below and including `node`, with the
// element's children as the answer. The walk keeps the nodes still to visit on a stack of its
// own, last child lowest, so that it visits in document order without recursing.
nsCOMPtr<nsIDOMNodeList> CNSHtmlBrowserChildEnumerator::findToolbarElement(
    nsCOMPtr<nsIDOMNode> node, const char* id) {
  nsCOMPtr<nsIDOMNodeList> result;
  const NS_ConvertASCIItoUTF16 wanted(id);
  std::vector<nsCOMPtr<nsIDOMNode>> pending;
  if (node)
    pending.push_back(node);
  while (!pending.empty()) {
    nsCOMPtr<nsIDOMNode> next = pending.back();
    pending.pop_back();
    nsCOMPtr<nsIDOMXULElement> element = do_QueryInterface(next);
    if (element && attribute(element, "id").Equals(wanted)) {
      next->GetChildNodes(getter_AddRefs(result));
      return result;
    }
    nsCOMPtr<nsIDOMNodeList> children;
    next->GetChildNodes(getter_AddRefs(children));
    for (PRUint32 i = lengthOf(children); i > 0; --i) {
      nsCOMPtr<nsIDOMNode> child;
      children->Item(i - 1, getter_AddRefs(child));
      if (child)
        pending.push_back(child);
    }
  }
  return result;
}

bool CNSHtmlBrowserChildEnumerator::hasMoreElements() {
  return m_navigationPosition < lengthOf(m_navigationItems) ||
         m_bookmarksPosition < lengthOf(m_bookmarksItems) ||
         m_findPosition < lengthOf(m_findItems) || m_document != nullptr;
}

// The back/forward group yields its buttons one per call before the bar moves on.
IHtmlObject* CNSHtmlBrowserChildEnumerator::nextNavigationItem() {
  nsCOMPtr<nsIDOMXULElement> item = xulItem(m_navigationItems, m_navigationPosition);
  nsString_external id = attribute(item, "id");
  ToLowerCase(id);
  if (!id.EqualsLiteral("unified-back-forward-button")) {
    ++m_navigationPosition;
    return new CNSHtmlBrowserToolbar(item, m_window);
  }
  nsCOMPtr<nsIDOMNodeList> group;
  item->GetChildNodes(getter_AddRefs(group));
  PRUint32 count = lengthOf(group);
  if (m_innerPosition >= count) {
    ++m_navigationPosition;
    m_innerPosition = 0;
    return nextElement();
  }
  nsCOMPtr<nsIDOMXULElement> button = xulItem(group, m_innerPosition);
  if (++m_innerPosition >= count) {
    ++m_navigationPosition;
    m_innerPosition = 0;
  }
  return new CNSHtmlBrowserToolbar(button, m_window);
}

IHtmlObject* CNSHtmlBrowserChildEnumerator::nextElement() {
  try {
    return makeNextElement();
  } catch (...) {
    reportException(__LINE__);
  }
  return nullptr;
}

IHtmlObject* CNSHtmlBrowserChildEnumerator::makeNextElement() {
  if (m_navigationPosition < lengthOf(m_navigationItems))
    return nextNavigationItem();
  if (m_bookmarksPosition < lengthOf(m_bookmarksItems)) {
    nsCOMPtr<nsIDOMXULElement> item = xulItem(m_bookmarksItems, m_bookmarksPosition++);
    nsString_external className;
    if (item)
      item->GetClassName(className);
    if (item && className.Find("bookmark-item") >= 0) {
      return new CNSHtmlBrowserToolbar(item, m_window);
    }
    return makeNextElement();  // separators and spacers are not items
  }
  if (m_findPosition < lengthOf(m_findItems)) {
    nsCOMPtr<nsIDOMXULElement> item = xulItem(m_findItems, m_findPosition++);
    return new CNSHtmlBrowserToolbar(item, m_window);
  }
  if (m_document) {
    CNSHtmlDocument* document = m_document;
    document->addRef();
    m_document = nullptr;
    return document;
  }
  return nullptr;
}
