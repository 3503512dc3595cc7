#include "NSHtmlTextNode.h"

#include <cstring>

#include "HtmlStandardPropertySet.h"
#include "NSHtmlDocument.h"
#include "NSHtmlElement.h"
#include "NSHtmlPropertyValue.h"
#include "NSHtmlStandardPropertyEnumerator.h"
#include "NSObjectIdentity.h"
#include "NSTextUtils.h"
#include "Tracer.h"
#include "nsComponentManagerUtils.h"
#include "nsIAccessible.h"
#include "nsIAccessibleRetrieval.h"
#include "nsIContent.h"
#include "nsIDOMDocument.h"
#include "nsIDOMHTMLElement.h"
#include "nsIDOMNode.h"
#include "nsIDocument.h"
#include "nsIPresShell.h"

namespace {

const char kModule[] = "NSHtmlTextNode";

enum PropertyId : unsigned int { kClass = 5, kText = 10, kBounds = 14, kLength = 29 };

enum ReportLine : unsigned int {
  kLineGetProperty = 110,
  kLineGetObject = 150,
  kLineSetProperty = 180,
  kLineScrollIntoView = 210,
  kLineGetScreenRect = 240,
  kLineGetParent = 260,
  kLineGetTopParent = 270,
  kLineGetText = 280,
  kLineGetPropertyByName = 290,
};

}  // namespace

void CNSHtmlTextNode::reportError(const char* message, unsigned int line) {
  CTracer::debugTrace("%s %s:%d\n", message, kModule, line);
}

void CNSHtmlTextNode::reportException(unsigned int line) {
  reportError("Unknown exception encountered", line);
}

IHtmlElement* CNSHtmlTextNode::getParent() {
  try {
    nsCOMPtr<nsIDOMNode> parent;
    m_domNode->GetParentNode(getter_AddRefs(parent));
    nsCOMPtr<nsIDOMHTMLElement> element = do_QueryInterface(parent);
    return element ? CNSHtmlDocument::create(element) : nullptr;
  } catch (...) {
    reportException(kLineGetParent);
  }
  return nullptr;
}

IHtmlElement* CNSHtmlTextNode::getTopParent() {
  try {
    CHtmlObjectPtr<IHtmlElement> parent = getParent();
    return parent ? parent->getTopParent() : nullptr;
  } catch (...) {
    reportException(kLineGetTopParent);
  }
  return nullptr;
}

bool CNSHtmlTextNode::getText(nsString_external& text) {
  try {
    return NS_SUCCEEDED(m_domNode->GetData(text));
  } catch (...) {
    reportException(kLineGetText);
  }
  return false;
}

IHtmlPropertyValue* CNSHtmlTextNode::getProperty(unsigned int id) {
  try {
    switch (id) {
      case kText:
        return CNSHtmlPropertyValue::filledString(
            [this](nsString_external& text) { return getText(text); });
      case kClass:
        return CNSHtmlPropertyValue::filledString([](nsString_external& name) {
          static constexpr AsciiUtf16 kName("Html.TextNode");
          name.Assign(kName.chars, kName.length());
          return true;
        });
      case kBounds: {
        nsRect bounds = getScreenRect();
        return new CNSHtmlPropertyValue(bounds);
      }
      case kLength: {
        PRUint32 length = 0;
        m_domNode->GetLength(&length);
        return new CNSHtmlPropertyValue(static_cast<int>(length));
      }
      default:
        return nullptr;
    }
  } catch (...) {
    reportException(kLineGetProperty);
  }
  return nullptr;
}

IHtmlPropertyValue* CNSHtmlTextNode::getProperty(const char* name) {
  try {
    unsigned int id = CHtmlStandardPropertySet::getPropertyId(name);
    return id ? getProperty(id) : nullptr;
  } catch (...) {
    reportException(kLineGetPropertyByName);
  }
  return nullptr;
}

bool CNSHtmlTextNode::setProperty(const char* name, IHtmlPropertyValue* value) {
  try {
    if (!name || !value || strcmp(name, ".text") != 0)
      return false;
    const unsigned short* text = value->string();
    if (!text)
      return false;
    return NS_SUCCEEDED(m_domNode->SetData(nsDependentString(text)));
  } catch (...) {
    reportException(kLineSetProperty);
  }
  return false;
}

long long CNSHtmlTextNode::getObject() {
  try {
    return NSIdentityOf(m_domNode);
  } catch (...) {
    reportException(kLineGetObject);
  }
  return 0;
}

IHtmlEnumerator* CNSHtmlTextNode::getProperties() {
  return new CNSHtmlStandardPropertyEnumerator(this);
}

bool CNSHtmlTextNode::isPointInObject(int x, int y) {
  nsRect r = getScreenRect();
  return r.x <= x && x <= r.x + r.width - 1 && r.y <= y && y <= r.y + r.height - 1;
}

nsRect CNSHtmlTextNode::getScreenRect() {
  nsRect rect(0, 0, 0, 0);
  try {
    nsCOMPtr<nsIAccessibleRetrieval> retrieval =
        do_CreateInstance(NS_ACCESSIBLE_RETRIEVAL_CONTRACTID);
    nsCOMPtr<nsIAccessible> accessible;
    nsIDOMNode* node = m_domNode;  // a text node is a DOM node: no query needed
    if (retrieval && node)
      retrieval->GetAccessibleFor(node, getter_AddRefs(accessible));
    if (accessible) {
      PRInt32 x = 0, y = 0, width = 0, height = 0;
      accessible->GetBounds(&x, &y, &width, &height);
      rect.SetRect(x, y, width, height);
    }
  } catch (...) {
    reportException(kLineGetScreenRect);
  }
  return rect;
}

bool CNSHtmlTextNode::scrollIntoView() {
  try {
    nsCOMPtr<nsIContent> content = do_QueryInterface(m_domNode);
    nsCOMPtr<nsIDOMDocument> owner;
    m_domNode->GetOwnerDocument(getter_AddRefs(owner));
    nsCOMPtr<nsIDocument> document = do_QueryInterface(owner);
    nsIPresShell* shell = document ? document->GetPrimaryShell() : nullptr;
    if (!content || !shell)
      return false;
    shell->GetPrimaryFrameFor(content);
    return true;
  } catch (...) {
    reportException(kLineScrollIntoView);
  }
  return false;
}
