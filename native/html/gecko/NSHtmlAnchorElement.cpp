#include "NSHtmlAnchorElement.h"

#include "HtmlStandardPropertyIds.h"
#include "NSPropertyReads.h"
#include "nsIDOMHTMLAnchorElement.h"
#include "nsIDOMNode.h"

namespace {

enum ReportLine : unsigned int { kLineGetProperty = 100 };

}  // namespace

bool CNSHtmlAnchorElement::isAnchor(nsIDOMHTMLElement* element) {
  nsCOMPtr<nsIDOMHTMLAnchorElement> typed = do_QueryInterface(element);
  return typed != nullptr;
}

IHtmlPropertyValue* CNSHtmlAnchorElement::getProperty(unsigned int id) {
  try {
    auto anchor = [this] { return typedElement<nsIDOMHTMLAnchorElement>(); };
    switch (id) {
      case PROP_name:
        return NSStringRead(anchor().get(), &nsIDOMHTMLAnchorElement::GetName);
      case PROP_href:
        return NSStringRead(anchor().get(), &nsIDOMHTMLAnchorElement::GetHref);
      default:
        return CNSHtmlElement::getProperty(id);
    }
  } catch (...) {
    reportException(kLineGetProperty);
  }
  return nullptr;
}

bool CNSHtmlAnchorElement::isPointInObject(int x, int y) {
  nsCOMPtr<nsIDOMNode> self = do_QueryInterface(m_element);
  nsCOMPtr<nsIDOMNode> node = elementFromPoint(x, y);
  while (node) {
    if (node == self)
      return true;
    nsCOMPtr<nsIDOMNode> parent;
    if (NS_FAILED(node->GetParentNode(getter_AddRefs(parent))))
      return false;
    node = parent;
  }
  return false;
}
