#include "NSHtmlBrowser.h"

#include <cstdio>
#include <cstring>

#include "HtmlStandardPropertySet.h"
#include "NSHtmlBrowserChildEnumerator.h"
#include "NSHtmlCookies.h"
#include "NSHtmlDocument.h"
#include "NSHtmlElement.h"
#include "NSHtmlPropertyValue.h"
#include "NSHtmlStandardPropertyEnumerator.h"
#include "NSObjectIdentity.h"
#include "NSWidgetUtils.h"
#include "NSXlib.h"
#include "Tracer.h"
#include "ZvInstallOptions.h"
#include "nsIBoxObject.h"
#include "nsIContentViewer.h"
#include "nsIDOMDocument.h"
#include "nsIDOMElement.h"
#include "nsIDOMHTMLElement.h"
#include "nsIDOMNodeList.h"
#include "nsIDOMWindow.h"
#include "nsIDOMWindowInternal.h"
#include "nsIDOMWindowUtils.h"
#include "nsIDOMXULCommandDispatcher.h"
#include "nsIDOMXULDocument.h"
#include "nsIDOMXULElement.h"
#include "nsIDocShell.h"
#include "nsIInterfaceRequestorUtils.h"
#include "nsIPresShell.h"
#include "nsIViewManager.h"
#include "nsIWebNavigation.h"
#include "nsIWidget.h"
#include "nsIXULWindow.h"
#include "nsPIDOMWindow.h"

namespace {

const char kModule[] = "NSHtmlBrowser";
const char kUnspecified[] = "!!ERROR!! Unspecified exception caught, r\n";
const char kNoFocusWindow[] =
    "In CNSHtmlBrowser constructor, focus window is null, document intialization is wrong ";

enum PropertyId : unsigned int {
  kClass = 5,
  kBounds = 14,
  kUniqueId = 15,
  kUrl = 16,
  kWindow = 45,
  kReadyState = 57,
  kClientRect = 62,
  kDocumentName = 67,
  kStatusText = 69,
  kMultiTabBounds = 75,
  kAjaxPendingRequests = 77,
};

// Lines reported with exceptions, one per operation.
enum ReportLine : unsigned int {
  kLineDestructor = 329,
  kLineGetObject = 344,
  kLineGetPropertyById = 555,
  kLineGetPropertyByName = 599,
  kLineGetChildren = 642,
  kLineGetElementWithFocus = 985,
  kLineGetChildAtPoint = 1062,
  kLineGetProperties = 1080,
  kLineExecuteCommand = 1100,
  kLineLoadUrl = 1120,
  kLineDeleteCookies = 1140,
};

}  // namespace

void CNSHtmlBrowser::ReportError(const char* message, unsigned int line) {
  CTracer::debugTrace("%s %s:%d\n", message, kModule, line);
}

void CNSHtmlBrowser::reportException(unsigned int line) {
  ReportError(kUnspecified, line);
}

CNSHtmlBrowser::CNSHtmlBrowser(nsCOMPtr<nsIDOMWindow> domWindow, nsCOMPtr<nsIXULWindow> xulWindow)
    : m_xulWindow(xulWindow), m_domWindow(domWindow) {
  refreshDocShellFromFocus();
}

CNSHtmlBrowser::CNSHtmlBrowser(nsCOMPtr<nsIXULWindow> xulWindow) : m_xulWindow(xulWindow) {
  if (!m_xulWindow)
    return;
  m_xulWindow->GetDocShell(getter_AddRefs(m_docShell));
  m_domWindow = do_GetInterface(m_docShell);
}

CNSHtmlBrowser::~CNSHtmlBrowser() {
  try {
    m_domWindow = nullptr;
    m_docShell = nullptr;
    m_xulWindow = nullptr;
  } catch (...) {
    reportException(kLineDestructor);
  }
}

nsCOMPtr<nsIXULWindow> CNSHtmlBrowser::getBrowserWindow(nsISupports* window) {
  nsCOMPtr<nsIXULWindow> xulWindow = do_QueryInterface(window);
  return xulWindow;
}

bool CNSHtmlBrowser::isBrowserWindow(long) {
  return false;
}

nsCOMPtr<nsIDOMNode> CNSHtmlBrowser::getDOMNodeFromDocShell(nsIDocShell* shell) {
  nsCOMPtr<nsIDOMNode> root;
  if (!shell)
    return root;
  nsCOMPtr<nsIContentViewer> viewer;
  shell->GetContentViewer(getter_AddRefs(viewer));
  if (!viewer)
    return root;
  nsCOMPtr<nsIDOMDocument> document;
  viewer->GetDOMDocument(getter_AddRefs(document));
  if (!document)
    return root;
  nsCOMPtr<nsIDOMElement> element;
  document->GetDocumentElement(getter_AddRefs(element));
  root = do_QueryInterface(element);
  return root;
}

float CNSHtmlBrowser::getZoomFactor(nsCOMPtr<nsIDOMWindow> window) {
  if (!window)
    return -1.0f;
  nsCOMPtr<nsIDOMWindowUtils> utilities = do_GetInterface(window);
  if (!utilities)
    return -1.0f;
  float ratio = 0.0f;
  if (NS_FAILED(utilities->GetScreenPixelsPerCSSPixel(&ratio)))
    return -1.0f;
  return ratio;
}

bool CNSHtmlBrowser::refreshDocShellFromFocus() {
  nsCOMPtr<nsIDOMWindow> focused;
  if (m_domWindow) {
    nsCOMPtr<nsIDOMDocument> chromeDocument;
    m_domWindow->GetDocument(getter_AddRefs(chromeDocument));
    nsCOMPtr<nsIDOMXULDocument> xulDocument = do_QueryInterface(chromeDocument);
    nsCOMPtr<nsIDOMXULCommandDispatcher> dispatcher;
    if (xulDocument)
      xulDocument->GetCommandDispatcher(getter_AddRefs(dispatcher));
    if (dispatcher)
      dispatcher->GetFocusedWindow(getter_AddRefs(focused));
  }
  if (!focused) {
    CTracer::debugTrace("%s", kNoFocusWindow);
    return false;
  }
  nsCOMPtr<nsIDOMWindow> focusedWindow = do_GetInterface(focused);
  nsCOMPtr<nsPIDOMWindow> privateWindow = do_QueryInterface(focusedWindow);
  if (privateWindow) {
    nsPIDOMWindow* outer =
        privateWindow->IsInnerWindow() ? privateWindow->GetOuterWindow() : privateWindow.get();
    m_docShell = outer ? outer->GetDocShell() : nullptr;
  } else if (m_xulWindow) {
    m_xulWindow->GetDocShell(getter_AddRefs(m_docShell));
  }
  return true;
}

bool CNSHtmlBrowser::getDocument(CHtmlObjectPtr<CNSHtmlDocument>& document) {
  document = nullptr;
  refreshDocShellFromFocus();
  if (!m_docShell)
    return false;
  nsCOMPtr<nsIDOMWindow> window = do_GetInterface(m_docShell);
  CNSHtmlDocument::getHtmlDocument(window, document);
  if (!document)
    return false;
  CHtmlObjectPtr<CNSHtmlDocument> parent;
  while (document->getParentDocument(parent)) {
    document = parent;
    parent = nullptr;
  }
  return document != nullptr;
}

nsIWidget* CNSHtmlBrowser::getWidget() {
  if (!m_docShell)
    return nullptr;
  nsCOMPtr<nsIPresShell> presShell;
  m_docShell->GetPresShell(getter_AddRefs(presShell));
  if (!presShell)
    return nullptr;
  nsIViewManager* viewManager = presShell->GetViewManager();
  if (!viewManager)
    return nullptr;
  nsCOMPtr<nsIWidget> widget;
  viewManager->GetWidget(getter_AddRefs(widget));
  return widget;  // the view manager keeps it alive
}

long CNSHtmlBrowser::getWindow() {
  nsIWidget* widget = getWidget();
  if (!widget)
    return 0;
  while (nsIWidget* parent = widget->GetParent())
    widget = parent;
  Window window = reinterpret_cast<Window>(widget->GetNativeData(NS_NATIVE_PLUGIN_PORT));
  return static_cast<long>(ns_zv_topLevelWindowHandle(window));
}

nsRect CNSHtmlBrowser::getScreenRect() {
  nsRect result;
  nsIWidget* widget = getWidget();
  if (!widget)
    return result;
  Window window = static_cast<Window>(getWindow());
  if (!window) {
    nsIntRect bounds;
    if (NS_SUCCEEDED(widget->GetScreenBounds(bounds))) {
      result.SetRect(bounds.x, bounds.y, bounds.width, bounds.height);
    }
    return result;
  }
  if (!ns_zv_usableDisplay())
    return result;
  // The window manager's frame around the top-level window, and the frame's parent.
  Window root = 0;
  Window frame = 0;
  Window grandparent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (XQueryTree(ns_zv_display, window, &root, &frame, &children, &count) && children) {
    XFree(children);
  }
  children = nullptr;
  if (frame && XQueryTree(ns_zv_display, frame, &root, &grandparent, &children, &count) &&
      children) {
    XFree(children);
  }
  XWindowAttributes attributes;
  if (!frame || !XGetWindowAttributes(ns_zv_display, frame, &attributes))
    return result;
  int x = 0;
  int y = 0;
  Window child = 0;
  if (!XTranslateCoordinates(ns_zv_display, grandparent, DefaultRootWindow(ns_zv_display),
                             attributes.x, attributes.y, &x, &y, &child)) {
    return result;
  }
  result.SetRect(x, y, attributes.width, attributes.height);
  return result;
}

int CNSHtmlBrowser::getReadyState() {
  CHtmlObjectPtr<CNSHtmlDocument> document;
  int state = UNINITIALIZED;
  if (getDocument(document)) {
    nsString_external status = document->getReadyStatus();
    if (status.LowerCaseEqualsLiteral("complete")) {
      state = COMPLETE;
    } else if (status.LowerCaseEqualsLiteral("loading")) {
      state = LOADING;
    } else if (status.LowerCaseEqualsLiteral("loaded")) {
      state = LOADED;
    } else if (status.LowerCaseEqualsLiteral("interactive")) {
      state = INTERACTIVE;
    }
  }
  const char* autoTrace = ZvInstallOptions::GetOption(ZvInstallOptions::HTML_AJAX_AUTOTRACEON);
  if (autoTrace && strcmp(autoTrace, "true") == 0 && document) {
    CHtmlObjectPtr<IHtmlPropertyValue> pending = document->getProperty(kAjaxPendingRequests);
    if (pending) {
      int count = pending->intValue();
      CTracer::debugTrace("%s:ajaxPendingrequests = %d\n", kModule, count);
      if (count != 0)
        state = LOADING;
    }
  }
  return state;
}

bool CNSHtmlBrowser::getContentScreenRect(CNSHtmlDocument& document, nsIntRect& rect) {
  nsIWidget* widget = document.getWidget();
  if (!widget)
    return false;
  nsIntRect client;
  if (NS_FAILED(widget->GetClientBounds(client)))
    return false;
  WidgetToScreen(widget, client, &rect);
  return true;
}

IHtmlPropertyValue* CNSHtmlBrowser::getClientRect() {
  CHtmlObjectPtr<CNSHtmlDocument> document;
  if (!getDocument(document))
    return nullptr;
  nsIntRect rect;
  if (!getContentScreenRect(*document, rect))
    return nullptr;
  rect.width -= document->getScrollbarVWidth();
  rect.height -= document->getScrollbarHHeight();
  return new CNSHtmlPropertyValue(rect);
}

nsRect CNSHtmlBrowser::getMultiTabSwitchRect() {
  nsRect result;
  CHtmlObjectPtr<CNSHtmlDocument> document;
  nsIntRect content;
  if (!getDocument(document) || !getContentScreenRect(*document, content))
    return result;
  nsCOMPtr<nsIDOMXULElement> root = do_QueryInterface(getDOMNodeFromDocShell(m_docShell));
  if (!root)
    return result;
  nsCOMPtr<nsIDOMNodeList> matches;
  root->GetElementsByAttribute(NS_LITERAL_STRING("id"), NS_LITERAL_STRING("content"),
                               getter_AddRefs(matches));
  if (!matches)
    return result;
  nsCOMPtr<nsIDOMNode> first;
  matches->Item(0, getter_AddRefs(first));
  nsCOMPtr<nsIDOMXULElement> container = do_QueryInterface(first);
  if (!container)
    return result;
  nsCOMPtr<nsIBoxObject> box;
  container->GetBoxObject(getter_AddRefs(box));
  if (!box)
    return result;
  PRInt32 x = 0;
  PRInt32 y = 0;
  PRInt32 width = 0;
  box->GetScreenX(&x);
  box->GetScreenY(&y);
  box->GetWidth(&width);
  result.SetRect(x, y, width, content.y - y);
  return result;
}

IHtmlPropertyValue* CNSHtmlBrowser::getStatusText() {
  nsCOMPtr<nsIDOMWindowInternal> window = do_GetInterface(m_docShell);
  nsString_external status;
  if (window)
    window->GetStatus(status);
  return new CNSHtmlPropertyValue(status);
}

IHtmlPropertyValue* CNSHtmlBrowser::getProperty(unsigned int id) {
  try {
    switch (id) {
      case kClass:
        return new CNSHtmlPropertyValue("Html.HtmlBrowser");
      case kBounds: {
        nsRect bounds = getScreenRect();
        return new CNSHtmlPropertyValue(bounds);
      }
      case kUniqueId:
        return new CNSHtmlPropertyValue(NSIdentityText(getObject()));
      case kWindow:
        return new CNSHtmlPropertyValue(static_cast<long long>(getWindow()));
      case kReadyState:
        return new CNSHtmlPropertyValue(getReadyState());
      case kClientRect:
        return getClientRect();
      case kDocumentName: {
        CHtmlObjectPtr<CNSHtmlDocument> document;
        return getDocument(document) ? document->getProperty(kUrl) : nullptr;
      }
      case kStatusText:
        return getStatusText();
      case kMultiTabBounds: {
        nsRect strip = getMultiTabSwitchRect();
        return new CNSHtmlPropertyValue(strip);
      }
      default:
        return nullptr;
    }
  } catch (...) {
    reportException(kLineGetPropertyById);
  }
  return nullptr;
}

IHtmlPropertyValue* CNSHtmlBrowser::getProperty(const char* name) {
  if (!name)
    return nullptr;
  try {
    IHtmlPropertyValue* zoom = nullptr;
    if (strcmp(name, ".zoomValue") == 0) {
      nsCOMPtr<nsIDOMWindow> window = do_GetInterface(m_docShell);
      float factor = getZoomFactor(window);
      if (factor > 0)
        zoom = new CNSHtmlPropertyValue(static_cast<int>(factor * 100));
    }
    unsigned int id = CHtmlStandardPropertySet::getPropertyId(name);
    if (id == 0)
      return zoom;
    if (zoom)
      zoom->release();
    return getProperty(id);
  } catch (...) {
    reportException(kLineGetPropertyByName);
  }
  return nullptr;
}

long long CNSHtmlBrowser::getObject() {
  try {
    return NSIdentityOf(m_domWindow);
  } catch (...) {
    reportException(kLineGetObject);
  }
  return 0;
}

IHtmlEnumerator* CNSHtmlBrowser::getProperties() {
  try {
    return new CNSHtmlStandardPropertyEnumerator(this);
  } catch (...) {
    reportException(kLineGetProperties);
  }
  return nullptr;
}

IHtmlEnumerator* CNSHtmlBrowser::getChildren() {
  try {
    CHtmlObjectPtr<CNSHtmlDocument> document;
    if (!getDocument(document))
      return nullptr;
    CHtmlObjectPtr<CNSHtmlDocument> parent;
    if (document->getParentDocument(parent))
      document = parent;
    return new CNSHtmlBrowserChildEnumerator(m_xulWindow, document);
  } catch (...) {
    reportException(kLineGetChildren);
  }
  return nullptr;
}

IHtmlElement* CNSHtmlBrowser::getChildAtPoint(int x, int y) {
  try {
    CHtmlObjectPtr<CNSHtmlDocument> document;
    if (!getDocument(document)) {
      CTracer::debugTrace("%s",
                          "In CNSHtmlBrowser getchildatpoint, document intialization is wrong ");
      return nullptr;
    }
    CHtmlObjectPtr<CNSHtmlBrowserChildEnumerator> children =
        new CNSHtmlBrowserChildEnumerator(m_xulWindow, document);
    while (children->hasMoreElements()) {
      IHtmlElement* child = static_cast<IHtmlElement*>(children->nextElement());
      if (!child)
        continue;
      if (child->isPointInObject(x, y))
        return child;
      child->release();
    }
    return document->getChildAtPoint(x, y);
  } catch (...) {
    reportException(kLineGetChildAtPoint);
  }
  return nullptr;
}

bool CNSHtmlBrowser::executeCommand(BrowserCommand command) {
  try {
    return runCommand(command);
  } catch (...) {
    reportException(kLineExecuteCommand);
  }
  return false;
}

bool CNSHtmlBrowser::runCommand(BrowserCommand command) {
  if (!m_xulWindow)
    return false;
  nsCOMPtr<nsIDocShell> chromeShell;
  m_xulWindow->GetDocShell(getter_AddRefs(chromeShell));
  nsCOMPtr<nsIDOMWindow> chromeWindow = do_GetInterface(chromeShell);
  CHtmlObjectPtr<CNSHtmlDocument> document;
  nsCOMPtr<nsIDOMWindow> window;
  if (!CNSHtmlDocument::getHtmlDocument(chromeWindow, document) || !document->getWindow(window)) {
    return false;
  }
  nsCOMPtr<nsIDOMWindowInternal> internal = do_QueryInterface(window);
  if (!internal)
    return false;
  switch (command) {
    case BrowserBack:
      return NS_SUCCEEDED(internal->Back());
    case BrowserForward:
      return NS_SUCCEEDED(internal->Forward());
    case BrowserHome:
      return NS_SUCCEEDED(internal->Home());
    default:
      return false;
  }
}

bool CNSHtmlBrowser::loadUrl(const char* url, const char* target) {
  if (!m_docShell || !url)
    return false;
  try {
    nsCOMPtr<nsIWebNavigation> navigation = do_QueryInterface(m_docShell);
    if (!navigation)
      return false;
    NS_ConvertUTF8toUTF16 address(url);
    return NS_SUCCEEDED(navigation->LoadURI(address.get(), 0, nullptr, nullptr, nullptr));
  } catch (...) {
    reportException(kLineLoadUrl);
  }
  return false;
}

int CNSHtmlBrowser::deleteCookies(char* message) {
  try {
    return cookieSmasher(nullptr, false, true, message);
  } catch (...) {
    reportException(kLineDeleteCookies);
  }
  return 0;
}

int CNSHtmlBrowser::deleteCookies(const char* url, bool partial, char* message) {
  try {
    return cookieSmasher(url, partial, false, message);
  } catch (...) {
    reportException(kLineDeleteCookies);
  }
  return 0;
}

IHtmlElement* CNSHtmlBrowser::getElementWithFocus() {
  try {
    CHtmlObjectPtr<CNSHtmlDocument> document;
    if (!getDocument(document))
      return nullptr;
    nsCOMPtr<nsIDOMHTMLElement> element = do_QueryInterface(document->getActiveElement());
    if (!element)
      return nullptr;
    return CNSHtmlDocument::create(element);
  } catch (...) {
    reportException(kLineGetElementWithFocus);
  }
  return nullptr;
}
