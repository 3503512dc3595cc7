#include "NSHtmlDocument.h"

#include <cstdio>
#include <cstring>

#include "HtmlStandardPropertySet.h"
#include "NSAjaxWrapperScript.h"
#include "NSHtmlAnchorElement.h"
#include "NSHtmlAppletElement.h"
#include "NSHtmlAreaElement.h"
#include "NSHtmlBrowser.h"
#include "NSHtmlButtonElement.h"
#include "NSHtmlElement.h"
#include "NSHtmlElementEnumerator.h"
#include "NSHtmlEmbedElement.h"
#include "NSHtmlFormElement.h"
#include "NSHtmlFrameElement.h"
#include "NSHtmlFrameSetElement.h"
#include "NSHtmlIFrameElement.h"
#include "NSHtmlImageElement.h"
#include "NSHtmlInputElement.h"
#include "NSHtmlMapElement.h"
#include "NSHtmlNativePropertyEnumerator.h"
#include "NSHtmlNodeListEnumerator.h"
#include "NSHtmlObjectElement.h"
#include "NSHtmlOptionElement.h"
#include "NSHtmlPropertyValue.h"
#include "NSHtmlSelectElement.h"
#include "NSHtmlStandardPropertyEnumerator.h"
#include "NSHtmlTableCellElement.h"
#include "NSHtmlTableElement.h"
#include "NSHtmlTableRowElement.h"
#include "NSHtmlTextAreaElement.h"
#include "NSHtmlTextNode.h"
#include "NSObjectIdentity.h"
#include "NSQIUtils.h"
#include "NSTextUtils.h"
#include "NSWidgetUtils.h"
#include "Tracer.h"
#include "nsIBaseWindow.h"
#include "nsIDOMDocument.h"
#include "nsIDOMElement.h"
#include "nsIDOMHTMLDocument.h"
#include "nsIDOMHTMLElement.h"
#include "nsIDOMHTMLScriptElement.h"
#include "nsIDOMNSDocument.h"
#include "nsIDOMNode.h"
#include "nsIDOMNodeList.h"
#include "nsIDOMText.h"
#include "nsIDOMWindow.h"
#include "nsIDOMWindowCollection.h"
#include "nsIDOMXULCommandDispatcher.h"
#include "nsIDOMXULDocument.h"
#include "nsIDocShell.h"
#include "nsIDocShellTreeItem.h"
#include "nsIDocument.h"
#include "nsIInterfaceRequestorUtils.h"
#include "nsIPresShell.h"
#include "nsIPrincipal.h"
#include "nsIScriptContext.h"
#include "nsIScriptGlobalObject.h"
#include "nsIScriptSecurityManager.h"
#include "nsISimpleEnumerator.h"
#include "nsIViewManager.h"
#include "nsIWidget.h"
#include "nsIWindowMediator.h"
#include "nsIXULWindow.h"
#include "nsServiceManagerUtils.h"

namespace {

const char kModule[] = "NSHtmlDocument";
const char kInFrame[] = "In getWidget() in HtmlDocument, found an iframe for the document ";
const char kInFrameForScreen[] =
    "In documentToScreen() in HtmlDocument, found an iframe for the document ";

enum PropertyId : unsigned int {
  kTitle = 4,
  kClass = 5,
  kBounds = 14,
  kUniqueId = 15,
  kUrl = 16,
  kCookie = 17,
  kVScrollWidth = 71,
  kHScrollHeight = 72,
  kAjaxTraceOn = 76,
  kAjaxPendingRequests = 77,
  kAjaxCompletedRequests = 78,
};

// Report lines, one per operation that catches.
enum ReportLine : unsigned int {
  kLineGetChildren = 150,
  kLineGetObject = 180,
  kLineGetPropertyByName = 210,
  kLineGetPropertyById = 240,
  kLineGetWidget = 300,
  kLineGetParentDocument = 330,
  kLineGetParent = 360,
  kLineGetChildAtPoint = 390,
  kLineSetProperty = 420,
  kLineInvokeScript = 440,
  kLineInsertWrapperScript = 460,
  kLineAjaxReading = 480,
  kLineGetProperties = 500,
  kLineGetNativeProperties = 510,
  kLineGetBrowser = 520,
  kLineGetActiveElement = 530,
};

// Whether a ".class" value names a frame element ("Html.FRAME", "Html.IFRAME").
bool isFrameClass(IHtmlPropertyValue* value) {
  if (!value || !value->string())
    return false;
  nsDependentString text(value->string(), PRUint32(value->stringLength()));
  return text.Find("FRAME") >= 0 || text.Find("frame") >= 0;
}

nsString_external readString(nsIDOMHTMLDocument* document,
                             nsresult (nsIDOMHTMLDocument::*getter)(nsAString&)) {
  nsString_external value;
  (document->*getter)(value);
  return value;
}

template <class Interface>
nsCOMPtr<Interface> queried(nsISupports* object) {
  nsCOMPtr<Interface> result = do_QueryInterface(object);
  return result;
}

}  // namespace

void CNSHtmlDocument::reportError(const char* message, unsigned int line) {
  CTracer::debugTrace("%s %s:%d\n", message, kModule, line);
}

void CNSHtmlDocument::reportException(unsigned int line) {
  reportError("Unknown exception", line);
}

CNSHtmlDocument::CNSHtmlDocument(nsCOMPtr<nsIDOMHTMLDocument> document)
    : m_htmlDocument(document), m_ajaxTraceOn(false), m_wrapperScriptInserted(false) {}

bool CNSHtmlDocument::operator==(const CNSHtmlDocument& other) const {
  return m_htmlDocument.get() == other.m_htmlDocument.get();
}

// --- Lookup and the element factory ----------------------------------------------------------

bool CNSHtmlDocument::getHtmlDocument(nsCOMPtr<nsIDOMWindow> window,
                                      CHtmlObjectPtr<CNSHtmlDocument>& document) {
  document = nullptr;
  if (!window)
    return false;
  nsCOMPtr<nsIDOMDocument> own;
  window->GetDocument(getter_AddRefs(own));
  nsCOMPtr<nsIDOMHTMLDocument> html = do_QueryInterface(own);
  if (html) {
    document = new CNSHtmlDocument(html);
    return true;
  }
  nsCOMPtr<nsIDOMWindowCollection> frames;
  window->GetFrames(getter_AddRefs(frames));
  PRUint32 count = 0;
  if (frames)
    frames->GetLength(&count);
  for (PRUint32 i = 0; i < count; ++i) {
    nsCOMPtr<nsIDOMWindow> frame;
    frames->Item(i, getter_AddRefs(frame));
    if (getHtmlDocument(frame, document))
      return true;
  }
  return false;
}

namespace {

template <class Made>
CNSHtmlElement* makeElement(nsCOMPtr<nsIDOMHTMLElement>& element) {
  return new Made(element);
}

// An input inside an input (as malformed markup can produce) stands for the outer one.
CNSHtmlElement* makeInput(nsCOMPtr<nsIDOMHTMLElement>& element) {
  nsCOMPtr<nsIDOMNode> parentNode;
  element->GetParentNode(getter_AddRefs(parentNode));
  nsCOMPtr<nsIDOMHTMLElement> parent = do_QueryInterface(parentNode);
  if (parent && CNSHtmlInputElement::isInput(parent))
    return new CNSHtmlInputElement(parent);
  return new CNSHtmlInputElement(element);
}

// One kind of element object: the local name (lower case) of the elements that can be of the
// kind, the class's own test and the maker.
struct ElementKind {
  const char* localName;
  PRUint32 localNameLength;
  bool (*holds)(nsIDOMHTMLElement*);
  CNSHtmlElement* (*make)(nsCOMPtr<nsIDOMHTMLElement>&);
};

template <PRUint32 N>
constexpr ElementKind kind(const char (&localName)[N], bool (*holds)(nsIDOMHTMLElement*),
                           CNSHtmlElement* (*make)(nsCOMPtr<nsIDOMHTMLElement>&)) {
  return {localName, N - 1, holds, make};
}

// Gecko makes each HTML element's class, and with it every DOM interface the kinds' tests ask
// for, from the element's local name (a prefix, as in h:input, does not matter). So the local
// name picks the one kind whose test can hold, and only that test is asked: the answer of
// asking every test in the factory's order, without twenty failing interface queries for each
// plain element.
constexpr ElementKind kElementKinds[] = {
    kind("frame", &CNSHtmlFrameElement::isFrame, &makeElement<CNSHtmlFrameElement>),
    kind("iframe", &CNSHtmlIFrameElement::isFrame, &makeElement<CNSHtmlIFrameElement>),
    kind("frameset", &CNSHtmlFrameSetElement::isFrameSet, &makeElement<CNSHtmlFrameSetElement>),
    kind("a", &CNSHtmlAnchorElement::isAnchor, &makeElement<CNSHtmlAnchorElement>),
    kind("textarea", &CNSHtmlTextAreaElement::isTextAreaElement,
         &makeElement<CNSHtmlTextAreaElement>),
    kind("input", &CNSHtmlInputElement::isInput, &makeInput),
    kind("select", &CNSHtmlSelectElement::isSelect, &makeElement<CNSHtmlSelectElement>),
    kind("option", &CNSHtmlOptionElement::isOption, &makeElement<CNSHtmlOptionElement>),
    kind("img", &CNSHtmlImageElement::isImage, &makeElement<CNSHtmlImageElement>),
    kind("button", &CNSHtmlButtonElement::isButton, &makeElement<CNSHtmlButtonElement>),
    kind("map", &CNSHtmlMapElement::isMap, &makeElement<CNSHtmlMapElement>),
    kind("area", &CNSHtmlAreaElement::isArea, &makeElement<CNSHtmlAreaElement>),
    kind("table", &CNSHtmlTableElement::isTable, &makeElement<CNSHtmlTableElement>),
    kind("tr", &CNSHtmlTableRowElement::isTableRow, &makeElement<CNSHtmlTableRowElement>),
    kind("td", &CNSHtmlTableCellElement::isTableCell, &makeElement<CNSHtmlTableCellElement>),
    kind("th", &CNSHtmlTableCellElement::isTableCell, &makeElement<CNSHtmlTableCellElement>),
    kind("applet", &CNSHtmlAppletElement::isApplet, &makeElement<CNSHtmlAppletElement>),
    kind("embed", &CNSHtmlEmbedElement::isApplet, &makeElement<CNSHtmlEmbedElement>),
    kind("object", &CNSHtmlObjectElement::isObject, &makeElement<CNSHtmlObjectElement>),
    kind("form", &CNSHtmlFormElement::isForm, &makeElement<CNSHtmlFormElement>),
};

const ElementKind* kindOfLocalName(const nsString_external& localName) {
  PRUint32 length = localName.Length();
  if (length == 0)
    return nullptr;
  PRUnichar first = localName.BeginReading()[0] | 0x20;  // an ASCII letter in lower case
  for (const ElementKind& candidate : kElementKinds) {
    if (length == candidate.localNameLength && first == PRUnichar(candidate.localName[0]) &&
        localName.LowerCaseEqualsLiteral(candidate.localName)) {
      return &candidate;
    }
  }
  return nullptr;
}

}  // namespace

CNSHtmlElement* CNSHtmlDocument::create(nsCOMPtr<nsIDOMHTMLElement>& element) {
  if (!element)
    return nullptr;
  nsString_external localName;
  element->GetLocalName(localName);
  const ElementKind* match = kindOfLocalName(localName);
  CNSHtmlElement* made =
      match && match->holds(element) ? match->make(element) : new CNSHtmlElement(element);
  if (made->getElement() == element.get())  // an inner input stands for the outer one
    made->noteLocalName(localName);
  return made;
}

IHtmlElement* CNSHtmlDocument::create(nsCOMPtr<nsIDOMNode>& node) {
  nsCOMPtr<nsIDOMHTMLElement> element = do_QueryInterface(node);
  if (element)
    return create(element);
  nsCOMPtr<nsIDOMText> text = do_QueryInterface(node);
  if (text)
    return new CNSHtmlTextNode(text);
  return nullptr;
}

// --- IHtmlElement -----------------------------------------------------------------------------

IHtmlEnumerator* CNSHtmlDocument::getChildren() {
  try {
    nsCOMPtr<nsIDOMNode> node = do_QueryInterface(m_htmlDocument);
    return node ? new CNSHtmlElementEnumerator(node) : nullptr;
  } catch (...) {
    reportException(kLineGetChildren);
  }
  return nullptr;
}

IHtmlElement* CNSHtmlDocument::getTopParent() {
  CHtmlObjectPtr<IHtmlElement> parent = getParent();
  if (!parent)
    return nullptr;
  CHtmlObjectPtr<IHtmlElement> grandparent = parent->getParent();
  if (!grandparent)
    return parent.detach();
  return grandparent->getTopParent();
}

long long CNSHtmlDocument::getObject() {
  try {
    return NSIdentityOf(m_htmlDocument);
  } catch (...) {
    reportException(kLineGetObject);
  }
  return 0;
}

nsString_external CNSHtmlDocument::getUniqueId() {
  nsString_external id = NSIdentityText(getObject());
  id.Append(readString(m_htmlDocument, &nsIDOMHTMLDocument::GetURL));
  return id;
}

IHtmlPropertyValue* CNSHtmlDocument::getProperty(const char* name) {
  try {
    unsigned int id = CHtmlStandardPropertySet::getPropertyId(name);
    return id ? getProperty(id) : nullptr;
  } catch (...) {
    reportException(kLineGetPropertyByName);
  }
  return nullptr;
}

IHtmlPropertyValue* CNSHtmlDocument::getProperty(unsigned int id) {
  if (id < kTitle || id > 78)
    return nullptr;
  try {
    switch (id) {
      case kTitle:
        return new CNSHtmlPropertyValue(readString(m_htmlDocument, &nsIDOMHTMLDocument::GetTitle));
      case kClass:
        return new CNSHtmlPropertyValue("Html.HtmlDocument");
      case kBounds: {
        CHtmlObjectPtr<IHtmlElement> parent = getParent();
        if (!parent)
          return nullptr;
        CHtmlObjectPtr<IHtmlPropertyValue> frameClass = parent->getProperty(".class");
        if (!isFrameClass(frameClass))
          return nullptr;
        CTracer::debugTrace("%s", kInFrame);
        return parent->getProperty(".bounds");
      }
      case kUniqueId:
        return new CNSHtmlPropertyValue(getUniqueId());
      case kUrl:
        return new CNSHtmlPropertyValue(readString(m_htmlDocument, &nsIDOMHTMLDocument::GetURL));
      case kCookie:
        return new CNSHtmlPropertyValue(readString(m_htmlDocument, &nsIDOMHTMLDocument::GetCookie));
      case kVScrollWidth:
        return new CNSHtmlPropertyValue(getScrollbarVWidth());
      case kHScrollHeight:
        return new CNSHtmlPropertyValue(getScrollbarHHeight());
      case kAjaxTraceOn:
        return new CNSHtmlPropertyValue(m_ajaxTraceOn);
      case kAjaxPendingRequests:
        return new CNSHtmlPropertyValue(getAjaxPendingRequests());
      case kAjaxCompletedRequests:
        return new CNSHtmlPropertyValue(getAjaxCompletedRequests());
      default:
        return nullptr;
    }
  } catch (...) {
    reportException(kLineGetPropertyById);
  }
  return nullptr;
}

bool CNSHtmlDocument::setProperty(const char* name, IHtmlPropertyValue* value) {
  if (!name || !value)
    return false;
  try {
    // Only request tracing can be switched on a document.
    if (CHtmlStandardPropertySet::getPropertyId(name) != kAjaxTraceOn)
      return false;
    return setAjaxTraeOn(value->booleanValue());
  } catch (...) {
    reportException(kLineSetProperty);
  }
  return false;
}

IHtmlEnumerator* CNSHtmlDocument::getProperties() {
  try {
    return new CNSHtmlStandardPropertyEnumerator(this);
  } catch (...) {
    reportException(kLineGetProperties);
  }
  return nullptr;
}

IHtmlEnumerator* CNSHtmlDocument::getNativeProperties() {
  try {
    nsCOMPtr<nsIDOMNode> node = do_QueryInterface(m_htmlDocument);
    return node ? new CNSHtmlNativePropertyEnumerator(node) : nullptr;
  } catch (...) {
    reportException(kLineGetNativeProperties);
  }
  return nullptr;
}

// --- IHtmlDocument ----------------------------------------------------------------------------

IHtmlEnumerator* CNSHtmlDocument::getElementsByTag(const unsigned short* tagName) {
  if (!tagName)
    return nullptr;
  nsCOMPtr<nsIDOMNodeList> list;
  nsresult rv =
      m_htmlDocument->GetElementsByTagName(nsDependentString(tagName), getter_AddRefs(list));
  if (NS_FAILED(rv) || !list)
    return nullptr;
  return new CNSHtmlNodeListEnumerator(list);
}

IHtmlEnumerator* CNSHtmlDocument::getElementsByName(const unsigned short* name) {
  if (!name)
    return nullptr;
  nsCOMPtr<nsIDOMNodeList> list;
  nsresult rv = m_htmlDocument->GetElementsByName(nsDependentString(name), getter_AddRefs(list));
  if (NS_FAILED(rv) || !list)
    return nullptr;
  return new CNSHtmlNodeListEnumerator(list);
}

IHtmlElement* CNSHtmlDocument::getElementById(const unsigned short* id) {
  if (!id)
    return nullptr;
  nsCOMPtr<nsIDOMElement> element;
  nsresult rv = m_htmlDocument->GetElementById(nsDependentString(id), getter_AddRefs(element));
  if (NS_FAILED(rv) || !element)
    return nullptr;
  nsCOMPtr<nsIDOMNode> node = do_QueryInterface(element);
  return create(node);
}

// The script text is the first argument; the second is not used.
IHtmlPropertyValue* CNSHtmlDocument::invokeScript(const char* script, const char*) {
  if (!script)
    return nullptr;
  try {
    nsString_external result;
    if (!evaluate(script, result))
      return nullptr;
    return new CNSHtmlPropertyValue(result);
  } catch (...) {
    reportException(kLineInvokeScript);
  }
  return nullptr;
}

// --- Request tracing ---------------------------------------------------------------------------

bool CNSHtmlDocument::evaluate(const char* script, nsString_external& result) {
  result.Truncate();
  nsCOMPtr<nsIDocument> document = do_QueryInterface(m_htmlDocument);
  nsIScriptGlobalObject* global = document ? document->GetScriptGlobalObject() : nullptr;
  nsIScriptContext* context = global ? global->GetContext() : nullptr;
  if (!context)
    return false;
  nsCOMPtr<nsIScriptSecurityManager> security = do_GetService(NS_SCRIPTSECURITYMANAGER_CONTRACTID);
  nsCOMPtr<nsIPrincipal> system;
  if (!security || NS_FAILED(security->GetSystemPrincipal(getter_AddRefs(system))))
    return false;
  PRBool undefined = PR_FALSE;
  nsresult rv = context->EvaluateString(NS_ConvertUTF8toUTF16(script), global->GetGlobalJSObject(),
                                        system, "", 1, 0, &result, &undefined);
  if (NS_FAILED(rv)) {
    result.Truncate();
    return false;
  }
  return true;
}

int CNSHtmlDocument::evaluateInteger(const char* script) {
  nsString_external text;
  if (!evaluate(script, text))
    return 0;
  nsresult rv = NS_OK;
  PRInt32 number = text.ToInteger(&rv);
  return NS_SUCCEEDED(rv) ? number : 0;
}

bool CNSHtmlDocument::isAjaxScriptExists() {
  nsCOMPtr<nsIDOMElement> script;
  m_htmlDocument->GetElementById(NS_LITERAL_STRING("ZAVscript"), getter_AddRefs(script));
  return script != nullptr;
}

bool CNSHtmlDocument::insertWrapperScript() {
  try {
    if (isAjaxScriptExists())
      return true;
    nsCOMPtr<nsIDOMElement> created;
    m_htmlDocument->CreateElement(NS_LITERAL_STRING("SCRIPT"), getter_AddRefs(created));
    nsCOMPtr<nsIDOMHTMLScriptElement> script = do_QueryInterface(created);
    if (!script)
      return false;
    script->SetAttribute(NS_LITERAL_STRING("language"), NS_LITERAL_STRING("javascript"));
    script->SetAttribute(NS_LITERAL_STRING("id"), NS_LITERAL_STRING("ZAVscript"));
    script->SetText(NS_ConvertUTF8toUTF16(kNSAjaxWrapperScript));
    nsCOMPtr<nsIDOMNode> container = wrapperScriptContainer();
    nsCOMPtr<nsIDOMNode> appended;
    if (!container || NS_FAILED(container->AppendChild(script, getter_AddRefs(appended))))
      return false;
    return true;
  } catch (...) {
    reportException(kLineInsertWrapperScript);
  }
  return false;
}

// The page's first HEAD; in a page without one (a frameset page, a document built by script)
// its root element.
nsCOMPtr<nsIDOMNode> CNSHtmlDocument::wrapperScriptContainer() {
  nsCOMPtr<nsIDOMNodeList> heads;
  m_htmlDocument->GetElementsByTagName(NS_LITERAL_STRING("head"), getter_AddRefs(heads));
  nsCOMPtr<nsIDOMNode> head;
  if (heads)
    heads->Item(0, getter_AddRefs(head));
  if (head)
    return head;
  nsCOMPtr<nsIDOMElement> root;
  m_htmlDocument->GetDocumentElement(getter_AddRefs(root));
  nsCOMPtr<nsIDOMNode> node = do_QueryInterface(root);
  return node;
}

bool CNSHtmlDocument::isAjaxTraceOnEnabled() {
  try {
    return evaluateInteger("getzavtracevalue();") != 0;
  } catch (...) {
    reportException(kLineAjaxReading);
  }
  return false;
}

bool CNSHtmlDocument::setAjaxTraeOn(bool on) {
  try {
    if (on) {
      // The property reports what this object was asked for; switching off clears it only
      // where the page really traced.
      m_ajaxTraceOn = true;
      if (!m_wrapperScriptInserted) {
        insertWrapperScript();
        m_wrapperScriptInserted = true;
      }
      nsString_external ignored;
      if (!isAjaxTraceOnEnabled())
        evaluate("XHRTracing(1);", ignored);
    } else if (isAjaxScriptExists() && isAjaxTraceOnEnabled()) {
      m_ajaxTraceOn = false;
      nsString_external ignored;
      evaluate("XHRTracing(0);", ignored);
    }
  } catch (...) {
    reportException(kLineAjaxReading);
  }
  return true;
}

int CNSHtmlDocument::getAjaxPendingRequests() {
  try {
    return isAjaxScriptExists() ? evaluateInteger("getPendingrequests();") : 0;
  } catch (...) {
    reportException(kLineAjaxReading);
  }
  return 0;
}

int CNSHtmlDocument::getAjaxCompletedRequests() {
  try {
    return isAjaxScriptExists() ? evaluateInteger("getCompletedrequests();") : 0;
  } catch (...) {
    reportException(kLineAjaxReading);
  }
  return 0;
}

// --- Properties and state ---------------------------------------------------------------------

void CNSHtmlDocument::hasFocus(int& focused) {
  focused = 0;
  nsCOMPtr<nsIDOMNSDocument> document = do_QueryInterface(m_htmlDocument);
  PRBool answer = PR_FALSE;
  if (document && NS_SUCCEEDED(document->HasFocus(&answer)))
    focused = answer ? 1 : 0;
}

nsString_external CNSHtmlDocument::getReadyStatus() {
  nsString_external status;
  nsCOMPtr<nsIDOMNSDocument> document = do_QueryInterface(m_htmlDocument);
  if (document)
    document->GetReadyState(status);
  return status;
}

namespace {
CHtmlObjectPtr<CNSHtmlElement> firstBody(CNSHtmlDocument& document) {
  const unsigned short body[] = {'b', 'o', 'd', 'y', 0};
  CHtmlObjectPtr<IHtmlEnumerator> bodies = document.getElementsByTag(body);
  if (!bodies || !bodies->hasMoreElements())
    return CHtmlObjectPtr<CNSHtmlElement>();
  return CHtmlObjectPtr<CNSHtmlElement>(static_cast<CNSHtmlElement*>(bodies->nextElement()));
}
}  // namespace

int CNSHtmlDocument::getDocBodyWidth() {
  CHtmlObjectPtr<CNSHtmlElement> body = firstBody(*this);
  return body ? body->getClientWidth() : 0;
}

int CNSHtmlDocument::getDocBodyHeight() {
  CHtmlObjectPtr<CNSHtmlElement> body = firstBody(*this);
  return body ? body->getClientHeight() : 0;
}

// --- Placement --------------------------------------------------------------------------------

nsIDocument* CNSHtmlDocument::contentDocument() {
  if (!m_contentDocument)
    m_contentDocument = NSQIUtils::doQI_nsIDocument(m_htmlDocument.get());
  return m_contentDocument;
}

bool CNSHtmlDocument::getWindow(nsCOMPtr<nsIDOMWindow>& window) {
  window = nullptr;
  nsIDocument* document = contentDocument();
  if (!document)
    return false;
  window = do_QueryInterface(document->GetScriptGlobalObject());
  return window != nullptr;
}

nsIWidget* CNSHtmlDocument::getWidget() {
  try {
    nsIDocument* document = contentDocument();
    if (!document)
      return nullptr;
    nsCOMPtr<nsISupports> container = document->GetContainer();
    nsCOMPtr<nsIDocShell> shell = do_QueryInterface(container);
    if (!shell)
      return nullptr;
    nsCOMPtr<nsIPresShell> presShell;
    shell->GetPresShell(getter_AddRefs(presShell));
    nsIViewManager* viewManager = presShell ? presShell->GetViewManager() : nullptr;
    if (!viewManager)
      return nullptr;
    nsCOMPtr<nsIWidget> widget;
    viewManager->GetWidget(getter_AddRefs(widget));
    return widget;  // the view manager keeps it alive
  } catch (...) {
    reportException(kLineGetWidget);
  }
  return nullptr;
}

bool CNSHtmlDocument::getFrameBounds(HtmlRectangle& bounds, const char* frameFoundTrace) {
  // Only a document with a parent document can be in a frame: for one without, getParent()
  // would build the browser object just for its class to say "no frame".
  CHtmlObjectPtr<CNSHtmlDocument> parentDocument;
  if (!getParentDocument(parentDocument))
    return false;
  CHtmlObjectPtr<IHtmlElement> parent;
  parentDocument->findFrame(*this, parent);
  if (!parent)
    return false;
  CHtmlObjectPtr<IHtmlPropertyValue> frameClass = parent->getProperty(".class");
  if (!isFrameClass(frameClass))
    return false;
  // Said before the frame's bounds are read: reading them maps the frame element through its
  // own document, whose lines belong after this one.
  CTracer::debugTrace("%s", frameFoundTrace);
  CHtmlObjectPtr<IHtmlPropertyValue> frameBounds = parent->getProperty(".bounds");
  if (!frameBounds)
    return false;
  bounds = frameBounds->rectangle();
  return true;
}

nsRect CNSHtmlDocument::documentToScreen(const nsRect& rect, float) {
  nsCOMPtr<nsIDOMWindow> window;
  if (!getWindow(window))
    return rect;
  return documentToScreen(rect, window);
}

nsRect CNSHtmlDocument::documentToScreen(const nsRect& rect, nsIDOMWindow* window) {
  nsRect viewport = rect;
  PRInt32 scrollX = 0;
  PRInt32 scrollY = 0;
  window->GetScrollX(&scrollX);
  window->GetScrollY(&scrollY);
  viewport.x -= scrollX;
  viewport.y -= scrollY;
  HtmlRectangle frame;
  if (getFrameBounds(frame, kInFrameForScreen)) {
    nsRect result(viewport.x + frame.x, viewport.y + frame.y, viewport.width, viewport.height);
    CTracer::debugTrace(
        "After conversion, Rectangle of Control x=%d , y=%d , height=%d , Width=%d \n", result.x,
        result.y, result.height, result.width);
    return result;
  }
  nsIWidget* widget = getWidget();
  if (!widget)
    return nsRect();
  nsRect result;
  WidgetToScreen(widget, viewport, &result);
  return result;
}

namespace {
float zoomOrOne(nsCOMPtr<nsIDOMWindow>& window) {
  float zoom = CNSHtmlBrowser::getZoomFactor(window);
  return zoom < 0 ? 1.0f : zoom;
}
}  // namespace

nsPoint CNSHtmlDocument::documentToScreen(const nsPoint& point) {
  nsCOMPtr<nsIDOMWindow> window;
  if (!getWindow(window))
    return point;
  nsRect mapped = documentToScreen(nsRect(point.x, point.y, 1, 1), zoomOrOne(window));
  return nsPoint(mapped.x, mapped.y);
}

nsRect CNSHtmlDocument::screenToDocument(const nsRect& rect, float) {
  nsCOMPtr<nsIDOMWindow> window;
  if (!getWindow(window))
    return nsRect();
  nsIWidget* widget = getWidget();
  if (!widget)
    return nsRect();
  nsRect origin;
  WidgetToScreen(widget, nsRect(0, 0, 0, 0), &origin);
  return nsRect(OffsetFromOrigin(rect.x, origin.x), OffsetFromOrigin(rect.y, origin.y), 0, 0);
}

nsPoint CNSHtmlDocument::screenToDocument(const nsPoint& point) {
  nsCOMPtr<nsIDOMWindow> window;
  if (!getWindow(window))
    return nsPoint(0, 0);
  nsRect mapped = screenToDocument(nsRect(point.x, point.y, 1, 1), zoomOrOne(window));
  return nsPoint(mapped.x, mapped.y);
}

bool CNSHtmlDocument::getParentDocument(CHtmlObjectPtr<CNSHtmlDocument>& parent) {
  parent = nullptr;
  try {
    nsIDocument* document = contentDocument();
    if (!document)
      return false;
    nsCOMPtr<nsIDOMHTMLDocument> html = do_QueryInterface(document->GetParentDocument());
    if (html)
      parent = new CNSHtmlDocument(html);
  } catch (...) {
    reportException(kLineGetParentDocument);
  }
  return parent != nullptr;
}

namespace {

// The element of `list` (the page's FRAME or IFRAME elements) that shows `child`, numbered
// among the list's HTML elements. The list is read straight from the DOM and only the match is
// wrapped: what each frame shows is read as the frame object's getDocument reads it (with its
// trace for a document that is not HTML), without a wrapper per frame and per document. The
// match passed FrameClass::isFrame, the test that makes the factory choose FrameClass for it,
// so it is made as one directly.
template <class FrameClass>
bool findFrameOfClass(nsIDOMNodeList* list, CNSHtmlDocument& child,
                      CHtmlObjectPtr<IHtmlElement>& frame) {
  PRUint32 length = 0;
  if (!list || NS_FAILED(list->GetLength(&length)))
    return false;
  int index = 0;
  for (PRUint32 i = 0; i < length && !frame; ++i) {
    nsCOMPtr<nsIDOMNode> item;
    if (NS_FAILED(list->Item(i, getter_AddRefs(item))))
      break;
    nsCOMPtr<nsIDOMHTMLElement> element = do_QueryInterface(item);
    if (!element)
      continue;
    const int position = index++;
    if (!FrameClass::isFrame(element))
      continue;
    nsCOMPtr<nsIDOMHTMLDocument> shown = FrameClass::shownHtmlDocument(element);
    if (!shown || shown.get() != child.getHtmlDocumentNode())
      continue;
    CHtmlObjectPtr<FrameClass> wrapped = new FrameClass(element);
    wrapped->setFrameIndex(position);
    frame = wrapped.detach();
  }
  return frame != nullptr;
}

// Tag names as UTF-16 constants: asked for at every frame level of every bounds question.
constexpr AsciiUtf16 kFrameTag("FRAME");
constexpr AsciiUtf16 kIFrameTag("IFRAME");
constexpr AsciiUtf16 kObjectTag("OBJECT");

template <size_t N>
nsCOMPtr<nsIDOMNodeList> elementsByTagName(nsIDOMHTMLDocument* document, const AsciiUtf16<N>& tag) {
  nsCOMPtr<nsIDOMNodeList> list;
  if (NS_FAILED(document->GetElementsByTagName(nsDependentString(tag.chars, tag.length()),
                                               getter_AddRefs(list)))) {
    list = nullptr;
  }
  return list;
}

}  // namespace

bool CNSHtmlDocument::findFrame(CNSHtmlDocument& child, CHtmlObjectPtr<IHtmlElement>& frame) {
  frame = nullptr;

  if (findFrameOfClass<CNSHtmlFrameElement>(elementsByTagName(m_htmlDocument, kFrameTag), child,
                                            frame)) {
    return true;
  }
  if (findFrameOfClass<CNSHtmlIFrameElement>(elementsByTagName(m_htmlDocument, kIFrameTag), child,
                                             frame)) {
    return true;
  }
  CHtmlObjectPtr<IHtmlEnumerator> objects = getElementsByTag(kObjectTag.chars);
  while (objects && !frame && objects->hasMoreElements()) {
    CHtmlObjectPtr<CNSHtmlElement> element = static_cast<CNSHtmlElement*>(objects->nextElement());
    if (!element || !CNSHtmlObjectElement::isObject(element->getElement()))
      continue;
    auto* candidate = static_cast<CNSHtmlObjectElement*>(static_cast<CNSHtmlElement*>(element));
    nsCOMPtr<nsIDOMDocument> content;
    if (!candidate->getContentDocument(content))
      continue;
    nsCOMPtr<nsIDOMHTMLDocument> html = do_QueryInterface(content);
    if (html && html.get() == child.m_htmlDocument.get())
      frame = element.detach();
  }
  return frame != nullptr;
}

IHtmlElement* CNSHtmlDocument::getParent() {
  try {
    CHtmlObjectPtr<CNSHtmlDocument> parent;
    if (getParentDocument(parent)) {
      CHtmlObjectPtr<IHtmlElement> frame;
      parent->findFrame(*this, frame);
      return frame.detach();
    }
    return getBrowser();
  } catch (...) {
    reportException(kLineGetParent);
  }
  return nullptr;
}

IHtmlBrowser* CNSHtmlDocument::getBrowser() {
  try {
    IHtmlBrowser* browser = getBrowserByFocus();
    return browser ? browser : getBrowserByWidget();
  } catch (...) {
    reportException(kLineGetBrowser);
  }
  return nullptr;
}

namespace {
nsCOMPtr<nsISimpleEnumerator> mediatorWindows() {
  nsCOMPtr<nsISimpleEnumerator> windows;
  nsCOMPtr<nsIWindowMediator> mediator = do_GetService(NS_WINDOWMEDIATOR_CONTRACTID);
  if (mediator)
    mediator->GetXULWindowEnumerator(nullptr, getter_AddRefs(windows));
  return windows;
}

nsIWidget* widgetOfShell(nsIDocShell* shell) {
  if (!shell)
    return nullptr;
  nsCOMPtr<nsIPresShell> presShell;
  shell->GetPresShell(getter_AddRefs(presShell));
  nsIViewManager* viewManager = presShell ? presShell->GetViewManager() : nullptr;
  if (!viewManager)
    return nullptr;
  nsCOMPtr<nsIWidget> widget;
  viewManager->GetWidget(getter_AddRefs(widget));
  return widget;
}
}  // namespace

IHtmlBrowser* CNSHtmlDocument::getBrowserByFocus() {
  nsCOMPtr<nsISimpleEnumerator> windows = mediatorWindows();
  if (!windows)
    return nullptr;  // no window mediator: a broken host
  PRBool more = PR_FALSE;
  while (NS_SUCCEEDED(windows->HasMoreElements(&more)) && more) {
    nsCOMPtr<nsISupports> next;
    windows->GetNext(getter_AddRefs(next));
    nsCOMPtr<nsIXULWindow> xulWindow = CNSHtmlBrowser::getBrowserWindow(next);
    if (!xulWindow)
      continue;
    nsCOMPtr<nsIDocShell> shell;
    xulWindow->GetDocShell(getter_AddRefs(shell));
    nsCOMPtr<nsIDOMWindow> chromeWindow = do_GetInterface(shell);
    if (!chromeWindow)
      continue;
    nsCOMPtr<nsIDOMDocument> chromeDocument;
    chromeWindow->GetDocument(getter_AddRefs(chromeDocument));
    nsCOMPtr<nsIDOMXULDocument> xulDocument = do_QueryInterface(chromeDocument);
    nsCOMPtr<nsIDOMXULCommandDispatcher> dispatcher;
    if (xulDocument)
      xulDocument->GetCommandDispatcher(getter_AddRefs(dispatcher));
    nsCOMPtr<nsIDOMWindow> focused;
    if (dispatcher)
      dispatcher->GetFocusedWindow(getter_AddRefs(focused));
    nsCOMPtr<nsIDOMDocument> focusedDocument;
    if (focused)
      focused->GetDocument(getter_AddRefs(focusedDocument));
    if (!focusedDocument)
      continue;
    nsCOMPtr<nsIDOMHTMLDocument> html = do_QueryInterface(focusedDocument);
    if (html && html.get() == m_htmlDocument.get()) {
      return new CNSHtmlBrowser(chromeWindow, xulWindow);
    }
    CHtmlObjectPtr<CNSHtmlDocument> parent;
    if (getParentDocument(parent)) {
      IHtmlBrowser* browser = parent->getBrowser();
      if (browser)
        return browser;
    }
  }
  return nullptr;
}

IHtmlBrowser* CNSHtmlDocument::getBrowserByWidget() {
  nsIDocument* document = contentDocument();
  if (!document)
    return nullptr;
  nsCOMPtr<nsISupports> container = document->GetContainer();
  nsCOMPtr<nsIDocShellTreeItem> item = do_QueryInterface(container);
  nsCOMPtr<nsIBaseWindow> baseWindow = do_QueryInterface(item);
  if (!baseWindow)
    return nullptr;
  nsCOMPtr<nsIWidget> top;
  baseWindow->GetMainWidget(getter_AddRefs(top));
  if (!top)
    return nullptr;
  while (nsIWidget* parent = top->GetParent())
    top = parent;

  nsCOMPtr<nsISimpleEnumerator> windows = mediatorWindows();
  if (!windows)
    return nullptr;
  PRBool more = PR_FALSE;
  while (NS_SUCCEEDED(windows->HasMoreElements(&more)) && more) {
    nsCOMPtr<nsISupports> next;
    windows->GetNext(getter_AddRefs(next));
    nsCOMPtr<nsIXULWindow> xulWindow = NSQIUtils::doQI_nsIXULWindow(next);
    nsCOMPtr<nsIBaseWindow> windowBase = do_QueryInterface(next);
    if (!xulWindow || !windowBase)
      continue;
    nsCOMPtr<nsIDocShell> shell;
    xulWindow->GetDocShell(getter_AddRefs(shell));
    if (widgetOfShell(shell) == top.get())
      return new CNSHtmlBrowser(xulWindow);
  }
  return nullptr;
}

// --- Hit-testing and focus --------------------------------------------------------------------

IHtmlElement* CNSHtmlDocument::wrapLayoutAnswer(nsIDOMElement* element) {
  nsCOMPtr<nsIDOMNode> node = do_QueryInterface(element);
  if (!node)
    return nullptr;
  PRUint16 type = 0;
  node->GetNodeType(&type);
  if (type == nsIDOMNode::ELEMENT_NODE) {
    nsCOMPtr<nsIDOMHTMLElement> html = do_QueryInterface(node);
    return html ? create(html) : nullptr;
  }
  nsCOMPtr<nsIDOMText> text = do_QueryInterface(node);
  return text ? new CNSHtmlTextNode(text) : nullptr;
}

// The first of `children` whose rectangle holds the point, then the first of its children that
// does, and so on down: the last one found, or null. A loop, as the tree is as deep as the page.
IHtmlElement* CNSHtmlDocument::searchChildrenAtPoint(IHtmlEnumerator* children, int x, int y) {
  CHtmlObjectPtr<IHtmlElement> found;
  CHtmlObjectPtr<IHtmlEnumerator> below;  // the children of `found`
  IHtmlEnumerator* level = children;
  while (IHtmlElement* hit = firstChildAtPoint(level, x, y)) {
    found = hit;
    below = found->getChildren();
    level = below;
  }
  return found.detach();
}

IHtmlElement* CNSHtmlDocument::firstChildAtPoint(IHtmlEnumerator* children, int x, int y) {
  while (children && children->hasMoreElements()) {
    IHtmlElement* child = static_cast<IHtmlElement*>(children->nextElement());
    if (!child)
      continue;
    if (child->isPointInObject(x, y))
      return child;
    child->release();
  }
  return nullptr;
}

IHtmlElement* CNSHtmlDocument::getElementAtPoint(IHtmlElement* parent, int x, int y) {
  if (!parent)
    return nullptr;
  CHtmlObjectPtr<IHtmlEnumerator> children = parent->getChildren();
  return searchChildrenAtPoint(children, x, y);
}

IHtmlElement* CNSHtmlDocument::getChildAtPoint(int x, int y) {
  try {
    nsCOMPtr<nsIDOMWindow> window;
    if (!getWindow(window))
      return nullptr;
    CHtmlObjectPtr<IHtmlEnumerator> children = getChildren();
    CHtmlObjectPtr<IHtmlElement> root = children && children->hasMoreElements()
                                            ? static_cast<IHtmlElement*>(children->nextElement())
                                            : nullptr;
    if (!root)
      return nullptr;
    const int verticalAllowance = getScrollbarVWidth();
    const int horizontalAllowance = getScrollbarHHeight();
    nsCOMPtr<nsIDOMNSDocument> layout = do_QueryInterface(m_htmlDocument);

    if (nsIWidget* widget = getWidget()) {
      nsIntRect bounds;
      widget->GetBounds(bounds);
      HtmlRectangle frame;
      if (getFrameBounds(frame, kInFrame)) {
        bounds.x = frame.x;
        bounds.y = frame.y;
        nsCOMPtr<nsIDOMElement> hit;
        if (layout)
          layout->ElementFromPoint(OffsetFromOrigin(x, bounds.x), OffsetFromOrigin(y, bounds.y),
                                   getter_AddRefs(hit));
        if (hit) {
          IHtmlElement* answer = wrapLayoutAnswer(hit);
          if (answer)
            return answer;
        }
      } else {
        WidgetToScreen(widget, bounds, &bounds);
      }
      if (x >= bounds.x + bounds.width - verticalAllowance ||
          y >= bounds.y + bounds.height - horizontalAllowance) {
        return root.detach();
      }
    }

    nsPoint mapped = screenToDocument(nsPoint(x, y));
    nsCOMPtr<nsIDOMElement> hit;
    if (layout)
      layout->ElementFromPoint(mapped.x, mapped.y, getter_AddRefs(hit));
    if (hit)
      return wrapLayoutAnswer(hit);

    CHtmlObjectPtr<IHtmlEnumerator> again = getChildren();
    return searchChildrenAtPoint(again, x, y);
  } catch (...) {
    reportException(kLineGetChildAtPoint);
  }
  return nullptr;
}

nsIDOMElement* CNSHtmlDocument::getActiveElement() {
  try {
    return findActiveElement();
  } catch (...) {
    reportException(kLineGetActiveElement);
  }
  return nullptr;
}

nsIDOMElement* CNSHtmlDocument::findActiveElement() {
  nsCOMPtr<nsIDOMNSDocument> document = do_QueryInterface(m_htmlDocument);
  if (!document)
    return nullptr;
  nsCOMPtr<nsIDOMElement> element;
  document->GetActiveElement(getter_AddRefs(element));
  while (element) {
    nsString_external tag;
    element->GetTagName(tag);
    bool isFrame = tag.LowerCaseEqualsLiteral("frame");
    bool isIFrame = tag.LowerCaseEqualsLiteral("iframe");
    if (!isFrame && !isIFrame)
      break;
    nsCOMPtr<nsIDOMHTMLElement> html = do_QueryInterface(element);
    CHtmlObjectPtr<CNSHtmlDocument> inner;
    if (isFrame && html && CNSHtmlFrameElement::isFrame(html)) {
      CHtmlObjectPtr<CNSHtmlFrameElement> frame = new CNSHtmlFrameElement(html);
      frame->getDocument(inner);
    } else if (isIFrame && html && CNSHtmlIFrameElement::isFrame(html)) {
      CHtmlObjectPtr<CNSHtmlIFrameElement> frame = new CNSHtmlIFrameElement(html);
      frame->getDocument(inner);
    }
    if (!inner)
      break;  // a frame without an HTML document is itself the answer
    element = inner->getActiveElement();
  }
  return element;  // the document keeps its active element alive
}
