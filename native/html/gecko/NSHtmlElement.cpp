#include "NSHtmlElement.h"

#include <cstdio>
#include <cstring>

#include "HtmlStandardPropertySet.h"
#include "NSHtmlBrowser.h"
#include "NSHtmlDocument.h"
#include "NSHtmlElementEnumerator.h"
#include "NSHtmlNativePropertyEnumerator.h"
#include "NSHtmlNodeListEnumerator.h"
#include "NSHtmlPropertyValue.h"
#include "NSHtmlStandardPropertyEnumerator.h"
#include "NSObjectIdentity.h"
#include "NSTextUtils.h"
#include "NSTextWalk.h"
#include "NSXlib.h"
#include "Tracer.h"
#include "ZvInstallOptions.h"
#include "nsComponentManagerUtils.h"
#include "nsIAccessible.h"
#include "nsIAccessibleRetrieval.h"
#include "nsIContent.h"
#include "nsIDOM3Node.h"
#include "nsIDOMAttr.h"
#include "nsIDOMDocument.h"
#include "nsIDOMElement.h"
#include "nsIDOMHTMLDocument.h"
#include "nsIDOMNSDocument.h"
#include "nsIDOMNSElement.h"
#include "nsIDOMNSHTMLElement.h"
#include "nsIDOMNode.h"
#include "nsIDOMNodeList.h"
#include "nsIDOMWindow.h"
#include "nsIDocument.h"
#include "nsIPresShell.h"
#include "nsIWidget.h"

namespace {

const char kModule[] = "NSHtmlElement";

enum PropertyId : unsigned int {
  kTag = 1,
  kId = 2,
  kTitle = 4,
  kClass = 5,
  kOffsetLeft = 6,
  kOffsetTop = 7,
  kOffsetWidth = 8,
  kOffsetHeight = 9,
  kText = 10,
  kScreenLeft = 11,
  kScreenTop = 12,
  kClassName = 13,
  kBounds = 14,
  kUniqueId = 15,
  kHasScript = 66,
  kVScrollWidth = 71,
  kHScrollHeight = 72,
  kHasFocus = 73,
  kIsScrollable = 74,
  kContentText = 80,
};

enum ReportLine : unsigned int {
  kLineDestructor = 120,
  kLineGetChildren = 140,
  kLineGetParent = 170,
  kLineGetObject = 200,
  kLineGetPropertyById = 240,
  kLineGetPropertyByName = 330,
  kLineGetNativeProperty = 350,
  kLineGetProperties = 380,
  kLineGetNativeProperties = 390,
  kLineHasAttribute = 420,
  kLineGetDocumentHandle = 450,
  kLineGetElementsByTag = 470,
  kLineGetBounds = 520,
  kLineGetAccessibleNode = 560,
  kLineGetLayoutFrame = 640,
  kLineScrollIntoView = 700,
  kLineGetTopParent = 720,
  kLineGetUniqueId = 740,
  kLineHasFocus = 760,
  kLineToScreenPosition = 780,
};

// Event-handler attributes that mark an element as scripted, in the order they are looked for.
const char* const kHandlerAttributes[] = {
    "onclick",     "onmouseup",  "onmousedown", "onmouseout", "onmouseover",
    "onmousemove", "ondblclick", "onkeydown",   "onkeypress", "onblur",
    "onfocus",     "onsubmit",   "onchange",    "onselect",
};

bool isWhiteSpace(PRUnichar c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// No white space at either end and single spaces inside: "  a \t b " -> "a b". In place: the
// text only shrinks, so the write position never passes the read position.
void compressWhiteSpace(nsString_external& text) {
  PRUint32 length = text.Length();
  if (length == 0)
    return;
  PRUnichar* begin = text.BeginWriting();
  PRUnichar* out = begin;
  bool pendingSpace = false;
  for (const PRUnichar* c = begin; c != begin + length; ++c) {
    if (isWhiteSpace(*c)) {
      pendingSpace = out != begin;
      continue;
    }
    if (pendingSpace)
      *out++ = ' ';
    pendingSpace = false;
    *out++ = *c;
  }
  text.SetLength(PRUint32(out - begin));
}

// Whether compressWhiteSpace would leave the text as it is: no white space at either end and
// none next to other white space.
bool isCompressed(const nsString_external& text) {
  const PRUnichar* begin = text.BeginReading();
  const PRUnichar* end = begin + text.Length();
  if (begin == end)
    return true;
  if (isWhiteSpace(*begin) || isWhiteSpace(end[-1]))
    return false;
  for (const PRUnichar* c = begin + 1; c != end; ++c) {
    if (isWhiteSpace(*c) && isWhiteSpace(c[-1]))
      return false;
  }
  return true;
}

nsCOMPtr<nsIDOMHTMLDocument> ownerHtmlDocument(nsIDOMHTMLElement* element) {
  nsCOMPtr<nsIDOMDocument> owner;
  if (element)
    element->GetOwnerDocument(getter_AddRefs(owner));
  nsCOMPtr<nsIDOMHTMLDocument> html = do_QueryInterface(owner);
  return html;
}

int truncatedProduct(int value, float zoom) {
  return static_cast<int>(value * zoom);
}

}  // namespace

void CNSHtmlElement::ReportError(const char* message, unsigned int line) {
  CTracer::debugTrace("%s %s:%d\n", message, kModule, line);
}

void CNSHtmlElement::reportException(unsigned int line) {
  ReportError("Unknown exception encountered", line);
}

CNSHtmlElement::CNSHtmlElement(nsCOMPtr<nsIDOMHTMLElement>& element) : m_element(element) {}

CNSHtmlElement::~CNSHtmlElement() {
  try {
    m_element = nullptr;
  } catch (...) {
    reportException(kLineDestructor);
  }
}

bool CNSHtmlElement::hitTest(int, int) {
  return false;
}

// --- Tree ------------------------------------------------------------------------------------

void CNSHtmlElement::noteLocalName(const nsAString& localName) {
  m_localNameIsNotHtml = !localName.LowerCaseEqualsLiteral("html");
}

bool CNSHtmlElement::tagMayBeHtml() {
  if (m_localNameIsNotHtml)
    return false;
  nsString_external tag;
  m_element->GetTagName(tag);
  return tag.LowerCaseEqualsLiteral("html");
}

IHtmlEnumerator* CNSHtmlElement::getChildren() {
  try {
    // An HTML element is a DOM node: no query needed.
    return new CNSHtmlElementEnumerator(nsCOMPtr<nsIDOMNode>(m_element.get()));
  } catch (...) {
    reportException(kLineGetChildren);
  }
  return nullptr;
}

IHtmlElement* CNSHtmlElement::getParent() {
  IHtmlElement* result = nullptr;
  try {
    nsCOMPtr<nsIDOMNode> parent;
    nsresult rv = m_element->GetParentNode(getter_AddRefs(parent));
    if (NS_SUCCEEDED(rv) && parent) {
      nsCOMPtr<nsIDOMHTMLElement> parentElement = do_QueryInterface(parent);
      nsCOMPtr<nsIDOMHTMLDocument> parentDocument = do_QueryInterface(parent);
      if (parentElement) {
        result = CNSHtmlDocument::create(parentElement);
      } else if (parentDocument) {
        result = new CNSHtmlDocument(parentDocument);
      }
    } else {
      // An element taken out of the page reports its document as parent.
      nsCOMPtr<nsIDOMHTMLDocument> owner = ownerHtmlDocument(m_element);
      if (owner)
        result = new CNSHtmlDocument(owner);
    }
  } catch (...) {
    reportException(kLineGetParent);
  }
  if (!result)
    ReportError("Could not find parent for Html Element", kLineGetParent);
  return result;
}

IHtmlElement* CNSHtmlElement::getTopParent() {
  try {
    nsCOMPtr<nsIDOMHTMLDocument> owner = ownerHtmlDocument(m_element);
    if (!owner)
      return nullptr;
    CHtmlObjectPtr<CNSHtmlDocument> document = new CNSHtmlDocument(owner);
    return document->getTopParent();
  } catch (...) {
    reportException(kLineGetTopParent);
  }
  return nullptr;
}

IHtmlDocument* CNSHtmlElement::getDocumentHandle() {
  try {
    nsCOMPtr<nsIDOMHTMLDocument> owner = ownerHtmlDocument(m_element);
    return owner ? new CNSHtmlDocument(owner) : nullptr;
  } catch (...) {
    reportException(kLineGetDocumentHandle);
  }
  return nullptr;
}

IHtmlEnumerator* CNSHtmlElement::getElementsByTag(const unsigned short* tagName) {
  if (!tagName)
    return nullptr;
  try {
    nsCOMPtr<nsIDOMNodeList> list;
    nsresult rv = m_element->GetElementsByTagName(nsDependentString(tagName), getter_AddRefs(list));
    if (NS_FAILED(rv) || !list)
      return nullptr;
    return new CNSHtmlNodeListEnumerator(list);
  } catch (...) {
    reportException(kLineGetElementsByTag);
  }
  return nullptr;
}

long long CNSHtmlElement::getObject() {
  try {
    return NSIdentityOf(m_element);
  } catch (...) {
    reportException(kLineGetObject);
  }
  return 0;
}

nsString_external CNSHtmlElement::getUniqueId() {
  nsString_external id;
  try {
    id = NSIdentityText(getObject());
    nsString_external tag;
    m_element->GetTagName(tag);
    id.Append(tag);
  } catch (...) {
    reportException(kLineGetUniqueId);
  }
  return id;
}

// --- Properties ------------------------------------------------------------------------------

IHtmlPropertyValue* CNSHtmlElement::offsetValue(unsigned int id) {
  nsCOMPtr<nsIDOMNSHTMLElement> element = do_QueryInterface(m_element);
  PRInt32 value = -1;
  nsresult rv = NS_ERROR_FAILURE;
  if (element) {
    switch (id) {
      case kOffsetLeft:
        rv = element->GetOffsetLeft(&value);
        break;
      case kOffsetTop:
        rv = element->GetOffsetTop(&value);
        break;
      case kOffsetWidth:
        rv = element->GetOffsetWidth(&value);
        break;
      default:
        rv = element->GetOffsetHeight(&value);
        break;
    }
  }
  return new CNSHtmlPropertyValue(static_cast<int>(NS_SUCCEEDED(rv) ? value : -1));
}

bool CNSHtmlElement::hasScript() {
  for (const char* name : kHandlerAttributes) {
    if (hasAttribute(name))
      return true;
  }
  return false;
}

bool CNSHtmlElement::hasFocus() {
  try {
    nsCOMPtr<nsIDOMHTMLDocument> owner = ownerHtmlDocument(m_element);
    if (!owner)
      return false;
    CHtmlObjectPtr<CNSHtmlDocument> document = new CNSHtmlDocument(owner);
    nsCOMPtr<nsIDOMHTMLElement> active = do_QueryInterface(document->getActiveElement());
    return active && active.get() == m_element.get();
  } catch (...) {
    reportException(kLineHasFocus);
  }
  return false;
}

IHtmlPropertyValue* CNSHtmlElement::getProperty(unsigned int id) {
  try {
    switch (id) {
      case kTag: {
        nsString_external tag;
        m_element->GetTagName(tag);
        return new CNSHtmlPropertyValue(tag);
      }
      case kId: {
        nsString_external value;
        m_element->GetId(value);
        return new CNSHtmlPropertyValue(value);
      }
      case kTitle: {
        nsString_external value;
        m_element->GetTitle(value);
        return new CNSHtmlPropertyValue(value);
      }
      case kClass:
        return CNSHtmlPropertyValue::filledString([this](nsString_external& value) {
          if (NS_FAILED(m_element->GetTagName(value)))
            return false;
          static constexpr AsciiUtf16 kPrefix("Html.");
          value.Insert(kPrefix.chars, 0, kPrefix.length());
          return true;
        });
      case kOffsetLeft:
      case kOffsetTop:
      case kOffsetWidth:
      case kOffsetHeight:
        return offsetValue(id);
      case kText:
        return CNSHtmlPropertyValue::filledString([this](nsString_external& text) {
          getText(text);
          return true;  // no text is the empty string
        });
      case kScreenLeft:
        return new CNSHtmlPropertyValue(static_cast<int>(getScreenRect().x));
      case kScreenTop:
        return new CNSHtmlPropertyValue(static_cast<int>(getScreenRect().y));
      case kClassName: {
        nsString_external value;
        m_element->GetClassName(value);
        return new CNSHtmlPropertyValue(value);
      }
      case kBounds: {
        nsRect bounds = getScreenRect();
        return new CNSHtmlPropertyValue(bounds);
      }
      case kUniqueId:
        return new CNSHtmlPropertyValue(getUniqueId());
      case kHasScript:
        return new CNSHtmlPropertyValue(hasScript());
      case kVScrollWidth:
        return new CNSHtmlPropertyValue(getScrollbarVWidth());
      case kHScrollHeight:
        return new CNSHtmlPropertyValue(getScrollbarHHeight());
      case kHasFocus:
        return new CNSHtmlPropertyValue(hasFocus());
      case kIsScrollable:
        return new CNSHtmlPropertyValue(isElementScrollable());
      case kContentText: {
        nsCOMPtr<nsIDOM3Node> node = do_QueryInterface(m_element);
        nsString_external text;
        if (!node || NS_FAILED(node->GetTextContent(text)))
          return nullptr;
        return new CNSHtmlPropertyValue(text);
      }
      default:
        return nullptr;
    }
  } catch (...) {
    reportException(kLineGetPropertyById);
  }
  return nullptr;
}

IHtmlPropertyValue* CNSHtmlElement::getProperty(const char* name) {
  if (!name)
    return nullptr;
  try {
    unsigned int id = CHtmlStandardPropertySet::getPropertyId(name);
    return id ? getProperty(id) : getNativeProperty(name);
  } catch (...) {
    reportException(kLineGetPropertyByName);
  }
  return nullptr;
}

IHtmlPropertyValue* CNSHtmlElement::getNativeProperty(const char* name) {
  if (!name)
    return nullptr;
  try {
    nsCOMPtr<nsIDOMAttr> attribute;
    m_element->GetAttributeNode(NS_ConvertUTF8toUTF16(name), getter_AddRefs(attribute));
    nsString_external value;
    if (attribute && NS_SUCCEEDED(attribute->GetValue(value))) {
      return new CNSHtmlPropertyValue(value);
    }
    if (strcmp(name, "innerHTML") == 0) {
      nsCOMPtr<nsIDOMNSHTMLElement> element = do_QueryInterface(m_element);
      nsString_external markup;
      if (element && NS_SUCCEEDED(element->GetInnerHTML(markup))) {
        return new CNSHtmlPropertyValue(markup);
      }
    }
  } catch (...) {
    reportException(kLineGetNativeProperty);
  }
  return nullptr;
}

bool CNSHtmlElement::hasAttribute(const char* name) {
  if (!name)
    return false;
  try {
    nsCOMPtr<nsIDOMAttr> attribute;
    nsresult rv =
        m_element->GetAttributeNode(NS_ConvertUTF8toUTF16(name), getter_AddRefs(attribute));
    return NS_SUCCEEDED(rv) && attribute;
  } catch (...) {
    reportException(kLineHasAttribute);
  }
  return false;
}

bool CNSHtmlElement::setProperty(const char*, IHtmlPropertyValue*) {
  return false;
}

IHtmlEnumerator* CNSHtmlElement::getProperties() {
  try {
    return new CNSHtmlStandardPropertyEnumerator(this);
  } catch (...) {
    reportException(kLineGetProperties);
  }
  return nullptr;
}

IHtmlEnumerator* CNSHtmlElement::getNativeProperties() {
  try {
    nsCOMPtr<nsIDOMNode> node = do_QueryInterface(m_element);
    return node ? new CNSHtmlNativePropertyEnumerator(node) : nullptr;
  } catch (...) {
    reportException(kLineGetNativeProperties);
  }
  return nullptr;
}

long CNSHtmlElement::getElementWindowHandle() {
  nsCOMPtr<nsIDOMHTMLDocument> owner = ownerHtmlDocument(m_element);
  if (!owner)
    return 0;
  CHtmlObjectPtr<CNSHtmlDocument> document = new CNSHtmlDocument(owner);
  nsIWidget* widget = document->getWidget();
  if (!widget)
    return 0;
  return static_cast<long>(NSPointerAsLongLong(widget->GetNativeData(NS_NATIVE_PLUGIN_PORT)));
}

// --- Text ------------------------------------------------------------------------------------

bool CNSHtmlElement::getText(nsCOMPtr<nsIDOMNode>& node, nsString_external& text) {
  CNSTextWalk(text).addChildrenOf(node);
  return !text.IsEmpty();
}

bool CNSHtmlElement::getText(nsString_external& text) {
  bool broughtText = !text.IsEmpty();
  CNSTextWalk walk(text);
  walk.addChildrenOf(m_element);  // an HTML element is a DOM node: no query needed
  if (text.IsEmpty())
    return false;
  // The walk made the white space of text nodes spaces already: what it took as is, and what
  // the caller brought, are all that is left to clean.
  if (broughtText || walk.tookTextAsIs())
    replaceWideSpace(text);
  // Whether white space is compressed only matters for a text that compressing would change:
  // most element texts (a cell's, a link's) have single spaces inside only.
  if (isCompressed(text))
    return true;
  const char* respect = ZvInstallOptions::GetOption(ZvInstallOptions::RESPECT_WIDE_SPACE);
  if (!respect || strcmp(respect, "true") != 0)
    compressWhiteSpace(text);
  return !text.IsEmpty();
}

// --- Geometry --------------------------------------------------------------------------------

nsRect CNSHtmlElement::getScreenRect() {
  nsRect rect(0, 0, 0, 0);
  getBounds(rect);
  return rect;
}

bool CNSHtmlElement::isPointInObject(int x, int y) {
  nsRect r = getScreenRect();
  return r.x <= x && x <= r.x + r.width - 1 && r.y <= y && y <= r.y + r.height - 1;
}

nsCOMPtr<nsIAccessible> CNSHtmlElement::getAccessibleNode(nsCOMPtr<nsIDOMNode> node) {
  nsCOMPtr<nsIAccessible> accessible;
  try {
    nsCOMPtr<nsIAccessibleRetrieval> retrieval =
        do_CreateInstance(NS_ACCESSIBLE_RETRIEVAL_CONTRACTID);
    if (retrieval && node)
      retrieval->GetAccessibleFor(node, getter_AddRefs(accessible));
  } catch (...) {
    ReportError("Caught exception", kLineGetAccessibleNode);
  }
  return accessible;
}

float CNSHtmlElement::getDocumentZoom() {
  nsCOMPtr<nsIDOMHTMLDocument> owner = ownerHtmlDocument(m_element);
  if (!owner)
    return -1.0f;
  CHtmlObjectPtr<CNSHtmlDocument> document = new CNSHtmlDocument(owner);
  nsCOMPtr<nsIDOMWindow> window;
  if (!document->getWindow(window))
    return -1.0f;
  return CNSHtmlBrowser::getZoomFactor(window);
}

void CNSHtmlElement::getBounds(nsRect& r) {
  try {
    nsCOMPtr<nsIAccessible> accessible = getAccessibleNode(nsCOMPtr<nsIDOMNode>(m_element.get()));
    if (accessible) {
      PRInt32 x = 0, y = 0, width = 0, height = 0;
      accessible->GetBounds(&x, &y, &width, &height);
      r.SetRect(x, y, width, height);
      float zoom = getDocumentZoom();
      if (zoom > 0) {
        r.x = truncatedProduct(r.x, zoom);
        r.y = truncatedProduct(r.y, zoom);
      }
      return;
    }
    nsCOMPtr<nsIDOMNSHTMLElement> element = do_QueryInterface(m_element);
    if (!element)
      return;
    PRInt32 left = 0, top = 0, width = 0, height = 0;
    element->GetOffsetLeft(&left);
    element->GetOffsetTop(&top);
    element->GetOffsetWidth(&width);
    element->GetOffsetHeight(&height);
    r.SetRect(left, top, width, height);

    nsCOMPtr<nsIDOMNSElement> scrolling = do_QueryInterface(m_element);
    if (scrolling && tagMayBeHtml()) {
      PRInt32 clientHeight = 0;
      if (NS_SUCCEEDED(scrolling->GetClientHeight(&clientHeight)) && clientHeight > 5 &&
          clientHeight > r.height) {
        r.height = clientHeight;
      }
    }
    nsCOMPtr<nsIDOMNSHTMLElement> current = element;
    for (;;) {
      nsCOMPtr<nsIDOMElement> offsetParent;
      if (NS_FAILED(current->GetOffsetParent(getter_AddRefs(offsetParent))) || !offsetParent) {
        break;
      }
      current = do_QueryInterface(offsetParent);
      if (!current)
        break;
      PRInt32 parentTop = 0;
      if (NS_SUCCEEDED(current->GetOffsetTop(&parentTop)))
        r.y += parentTop;
      PRInt32 parentLeft = 0;
      if (NS_SUCCEEDED(current->GetOffsetLeft(&parentLeft))) {
        r.x += parentLeft;
        PRInt32 scrollLeft = 0;
        if (scrolling && NS_SUCCEEDED(scrolling->GetScrollLeft(&scrollLeft)))
          r.x -= scrollLeft;
      }
    }
    toScreenPosition(r);
  } catch (...) {
    ReportError("Caught exception", kLineGetBounds);
  }
}

void CNSHtmlElement::toScreenPosition(nsRect& r) {
  try {
    placeOnScreen(r);
  } catch (...) {
    reportException(kLineToScreenPosition);
  }
}

void CNSHtmlElement::placeOnScreen(nsRect& r) {
  nsCOMPtr<nsIDOMHTMLDocument> owner = ownerHtmlDocument(m_element);
  if (!owner)
    return;
  CHtmlObjectPtr<CNSHtmlDocument> document = new CNSHtmlDocument(owner);
  nsCOMPtr<nsIDOMWindow> window;
  if (!document->getWindow(window))
    return;
  float zoom = CNSHtmlBrowser::getZoomFactor(window);
  if (zoom > 0) {
    r.x = truncatedProduct(r.x, zoom);
    r.y = truncatedProduct(r.y, zoom);
    r.width = truncatedProduct(r.width, zoom);
    r.height = truncatedProduct(r.height, zoom);
  }
  r = document->documentToScreen(r, window);
}

nsCOMPtr<nsIDOMNode> CNSHtmlElement::elementFromPoint(int x, int y) {
  nsCOMPtr<nsIDOMNode> result;
  nsCOMPtr<nsIDOMHTMLDocument> owner = ownerHtmlDocument(m_element);
  if (!owner)
    return result;
  CHtmlObjectPtr<CNSHtmlDocument> document = new CNSHtmlDocument(owner);
  nsPoint mapped = document->screenToDocument(nsPoint(x, y));
  nsCOMPtr<nsIDOMNSDocument> layout = do_QueryInterface(owner);
  nsCOMPtr<nsIDOMElement> hit;
  if (layout)
    layout->ElementFromPoint(mapped.x, mapped.y, getter_AddRefs(hit));
  result = do_QueryInterface(hit);
  return result;
}

nsIFrame* CNSHtmlElement::getLayoutFrame() {
  try {
    nsCOMPtr<nsIContent> content = do_QueryInterface(m_element);
    nsCOMPtr<nsIDOMDocument> owner;
    m_element->GetOwnerDocument(getter_AddRefs(owner));
    nsCOMPtr<nsIDocument> document = do_QueryInterface(owner);
    nsIPresShell* shell = document ? document->GetPrimaryShell() : nullptr;
    if (!content || !shell)
      return nullptr;
    return shell->GetPrimaryFrameFor(content);
  } catch (...) {
    reportException(kLineGetLayoutFrame);
  }
  return nullptr;
}

int CNSHtmlElement::getClientWidth() {
  nsCOMPtr<nsIDOMNSElement> element = do_QueryInterface(m_element);
  PRInt32 width = 0;
  if (element && NS_FAILED(element->GetClientWidth(&width)))
    width = 0;
  return width;
}

int CNSHtmlElement::getClientHeight() {
  nsCOMPtr<nsIDOMNSElement> element = do_QueryInterface(m_element);
  PRInt32 height = 0;
  if (element && NS_FAILED(element->GetClientHeight(&height)))
    height = 0;
  return height;
}

int CNSHtmlElement::getScrollbarVWidth() {
  nsCOMPtr<nsIDOMNSHTMLElement> element = do_QueryInterface(m_element);
  PRInt32 offsetWidth = 0;
  if (!element || NS_FAILED(element->GetOffsetWidth(&offsetWidth)))
    offsetWidth = 0;
  int difference = offsetWidth - getClientWidth();
  return difference > 0 ? difference : 0;
}

int CNSHtmlElement::getScrollbarHHeight() {
  nsCOMPtr<nsIDOMNSHTMLElement> element = do_QueryInterface(m_element);
  PRInt32 offsetHeight = 0;
  if (!element || NS_FAILED(element->GetOffsetHeight(&offsetHeight)))
    offsetHeight = 0;
  int difference = offsetHeight - getClientHeight();
  return difference > 0 ? difference : 0;
}

bool CNSHtmlElement::isElementScrollable() {
  nsCOMPtr<nsIDOMNSElement> element = do_QueryInterface(m_element);
  PRInt32 clientHeight = 0, clientWidth = 0, scrollHeight = 0, scrollWidth = 0;
  if (element) {
    element->GetClientHeight(&clientHeight);
    element->GetClientWidth(&clientWidth);
    element->GetScrollHeight(&scrollHeight);
    element->GetScrollWidth(&scrollWidth);
  }
  if (clientHeight != 0 && scrollHeight - clientHeight > 5)
    return true;
  return clientWidth != 0 && scrollWidth - clientWidth > 5;
}

bool CNSHtmlElement::scrollIntoView() {
  try {
    nsCOMPtr<nsIDOMNSHTMLElement> element = do_QueryInterface(m_element);
    if (element)
      element->ScrollIntoView(PR_FALSE);
  } catch (...) {
    reportException(kLineScrollIntoView);
  }
  return false;
}

bool CNSHtmlElement::getWindowBounds(long windowHandle, nsRect& bounds) {
  if (!windowHandle || !ns_zv_usableDisplay())
    return false;
  Window window = static_cast<Window>(windowHandle);
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(ns_zv_display, window, &attributes))
    return false;
  int x = 0;
  int y = 0;
  Window child = 0;
  if (!XTranslateCoordinates(ns_zv_display, window, DefaultRootWindow(ns_zv_display), 0, 0, &x, &y,
                             &child)) {
    return false;
  }
  bounds.SetRect(x, y, attributes.width, attributes.height);
  return true;
}
