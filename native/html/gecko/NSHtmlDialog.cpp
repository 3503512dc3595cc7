#include "NSHtmlDialog.h"

#include <cstring>
#include <vector>

#include "HtmlStandardPropertyIds.h"
#include "HtmlStandardPropertySet.h"
#include "NSHtmlBrowser.h"
#include "NSHtmlDialogControl.h"
#include "NSHtmlDialogControlEnumerator.h"
#include "NSHtmlDocument.h"
#include "NSHtmlElement.h"
#include "NSHtmlNativePropertyEnumerator.h"
#include "NSHtmlPropertyValue.h"
#include "NSHtmlStandardPropertyEnumerator.h"
#include "NSObjectIdentity.h"
#include "NSXlib.h"
#include "Tracer.h"
#include "nsComponentManagerUtils.h"
#include "nsIAccessible.h"
#include "nsIAccessibleRetrieval.h"
#include "nsIBaseWindow.h"
#include "nsIContentViewer.h"
#include "nsIDOMAttr.h"
#include "nsIDOMDocument.h"
#include "nsIDOMDocumentXBL.h"
#include "nsIDOMNodeList.h"
#include "nsIDOMWindow.h"
#include "nsIDOMWindowInternal.h"
#include "nsIDOMXULDocument.h"
#include "nsIDOMXULElement.h"
#include "nsIDocShell.h"
#include "nsIDocument.h"
#include "nsIDocumentViewer.h"
#include "nsIInterfaceRequestorUtils.h"
#include "nsISimpleEnumerator.h"
#include "nsIWidget.h"
#include "nsIWindowMediator.h"
#include "nsIXULWindow.h"
#include "nsMemory.h"
#include "nsServiceManagerUtils.h"

namespace {

const char kModule[] = "NSHtmlDialog";

// The ids the dialogs' root elements carry, in the order they are looked for.
const char* const kDialogIds[] = {"commonDialog",  "nsHelperAppDlg", "findDialog",
                                  "download_cert", "certDetails",    "cookieAcceptDialog"};

enum ReportLine : unsigned int {
  kLineGetChildren = 120,
  kLineGetControls = 160,
  kLineGetButtons = 200,
  kLineGetPropertyByName = 240,
  kLineGetPropertyById = 260,
  kLineIsPointInObject = 300,
  kLineGetProperties = 320,
  kLineGetNativeProperties = 330,
};

nsCOMPtr<nsIDocShell> docShellOf(nsISupports* window) {
  nsCOMPtr<nsIXULWindow> xulWindow = do_QueryInterface(window);
  nsCOMPtr<nsIDocShell> shell;
  if (xulWindow)
    xulWindow->GetDocShell(getter_AddRefs(shell));
  return shell;
}

nsString_external localNameOf(nsIDOMNode* node) {
  nsString_external name;
  if (node)
    node->GetLocalName(name);
  return name;
}

}  // namespace

void CNSHtmlDialog::reportException(unsigned int line) {
  CTracer::debugTrace("Exception occurred in %s line %d", kModule, line);
}

// --- Finding dialogs -------------------------------------------------------------------------

bool containsHtml(nsCOMPtr<nsISupports> xulWindow) {
  nsCOMPtr<nsIDocShell> shell = docShellOf(xulWindow);
  nsCOMPtr<nsIDOMWindowInternal> internal = do_GetInterface(shell);
  nsCOMPtr<nsIDOMWindow> window = do_QueryInterface(internal);
  if (!window)
    return false;
  CHtmlObjectPtr<CNSHtmlDocument> document;
  return CNSHtmlDocument::getHtmlDocument(window, document);
}

bool CNSHtmlDialog::isHtmlDialog(long windowHandle) {
  if (!windowHandle || !ns_zv_usableDisplay())
    return false;
  Window window = static_cast<Window>(windowHandle);
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(ns_zv_display, window, &attributes))
    return false;
  Window owner = 0;
  if (!XGetTransientForHint(ns_zv_display, window, &owner))
    return false;
  nsCOMPtr<nsISupports> xulWindow;
  if (!getXULWindow(windowHandle, xulWindow))
    return false;
  nsCOMPtr<nsIDocShell> shell = docShellOf(xulWindow);
  if (!shell)
    return false;
  PRUint32 busy = 0;
  // A window still loading may yet turn out to show a page.
  if (NS_FAILED(shell->GetBusyFlags(&busy)) || busy != 0)
    return false;
  return !containsHtml(xulWindow);
}

bool CNSHtmlDialog::isHtmlDialog(nsCOMPtr<nsISupports>& xulWindow) {
  return isHtmlDialog(getWindowHandle(xulWindow));
}

bool CNSHtmlDialog::getXULWindow(long windowHandle, nsCOMPtr<nsISupports>& xulWindow) {
  xulWindow = nullptr;
  nsCOMPtr<nsIWindowMediator> mediator = do_GetService(NS_WINDOWMEDIATOR_CONTRACTID);
  nsCOMPtr<nsISimpleEnumerator> windows;
  if (!mediator || NS_FAILED(mediator->GetXULWindowEnumerator(nullptr, getter_AddRefs(windows))))
    return false;
  PRBool more = PR_FALSE;
  while (NS_SUCCEEDED(windows->HasMoreElements(&more)) && more) {
    nsCOMPtr<nsISupports> candidate;
    if (NS_FAILED(windows->GetNext(getter_AddRefs(candidate))))
      break;
    if (candidate && getWindowHandle(candidate) == windowHandle) {
      xulWindow = candidate;
      return true;
    }
  }
  return false;
}

nsIWidget* CNSHtmlDialog::getWidget(nsCOMPtr<nsISupports>& xulWindow) {
  nsCOMPtr<nsIBaseWindow> base = do_QueryInterface(xulWindow);
  nsCOMPtr<nsIWidget> widget;
  if (!base || NS_FAILED(base->GetMainWidget(getter_AddRefs(widget))))
    return nullptr;
  return widget;  // the window keeps it alive
}

long CNSHtmlDialog::getWindowHandle(nsCOMPtr<nsISupports>& xulWindow) {
  nsIWidget* widget = getWidget(xulWindow);
  if (!widget)
    return 0;
  Window window = reinterpret_cast<Window>(widget->GetNativeData(NS_NATIVE_PLUGIN_PORT));
  return static_cast<long>(ns_zv_topLevelWindowHandle(window));
}

bool CNSHtmlDialog::getDOMNode(nsCOMPtr<nsISupports>& xulWindow, nsCOMPtr<nsIDOMNode>& node) {
  node = nullptr;
  nsCOMPtr<nsIDocShell> shell = docShellOf(xulWindow);
  nsCOMPtr<nsIContentViewer> viewer;
  if (shell)
    shell->GetContentViewer(getter_AddRefs(viewer));
  nsCOMPtr<nsIDocumentViewer> documentViewer = do_QueryInterface(viewer);
  nsCOMPtr<nsIDocument> document;
  if (documentViewer)
    documentViewer->GetDocument(getter_AddRefs(document));
  node = do_QueryInterface(document);
  return node != nullptr;
}

bool CNSHtmlDialog::isVisible(nsCOMPtr<nsIDOMElement>& element) {
  nsCOMPtr<nsIDOMAttr> collapsed;
  if (!element ||
      NS_FAILED(
          element->GetAttributeNode(NS_LITERAL_STRING("collapsed"), getter_AddRefs(collapsed))) ||
      !collapsed) {
    return true;
  }
  nsString_external value;
  if (NS_FAILED(collapsed->GetValue(value)))
    return true;
  return !value.LowerCaseEqualsLiteral("true");
}

CNSHtmlDialog::CNSHtmlDialog(long windowHandle) {
  getXULWindow(windowHandle, m_xulWindow);
}

// --- Controls --------------------------------------------------------------------------------

IHtmlEnumerator* CNSHtmlDialog::getChildren() {
  try {
    nsCOMPtr<nsIDOMNode> document;
    if (!getDOMNode(m_xulWindow, document))
      return nullptr;
    CNSHtmlDialogControlEnumerator* list = new CNSHtmlDialogControlEnumerator();
    getControls(document, list);
    getButtons(document, list);
    return list;
  } catch (...) {
    reportException(kLineGetChildren);
  }
  return nullptr;
}

bool CNSHtmlDialog::isControl(nsCOMPtr<nsIDOMNode>& element) {
  nsString_external name = localNameOf(element);
  if (name.LowerCaseEqualsLiteral("html") || name.LowerCaseEqualsLiteral("button") ||
      name.LowerCaseEqualsLiteral("checkbox") || name.LowerCaseEqualsLiteral("radio") ||
      name.LowerCaseEqualsLiteral("textbox")) {
    return true;
  }
  if (!name.LowerCaseEqualsLiteral("description"))
    return false;
  nsString_external text;
  CNSHtmlElement::getText(element, text);
  return !NS_ConvertUTF16toUTF8(text).IsEmpty();
}

// Depth first, in document order, without recursion: a dialog document can be deep.
CNSHtmlDialogControlEnumerator* CNSHtmlDialog::getControls(nsCOMPtr<nsIDOMNode>& node,
                                                           CNSHtmlDialogControlEnumerator* list) {
  try {
    std::vector<nsCOMPtr<nsIDOMNode>> pending;  // the nodes still to visit, the next last
    auto pushChildren = [&pending](nsIDOMNode* parent) {
      PRBool has = PR_FALSE;
      nsCOMPtr<nsIDOMNodeList> children;
      PRUint32 length = 0;
      if (!parent || NS_FAILED(parent->HasChildNodes(&has)) || !has ||
          NS_FAILED(parent->GetChildNodes(getter_AddRefs(children))) || !children ||
          NS_FAILED(children->GetLength(&length))) {
        return;
      }
      for (PRUint32 i = length; i > 0; --i) {
        nsCOMPtr<nsIDOMNode> child;
        if (NS_SUCCEEDED(children->Item(i - 1, getter_AddRefs(child))) && child)
          pending.push_back(child);
      }
    };
    pushChildren(node);
    while (!pending.empty()) {
      nsCOMPtr<nsIDOMNode> child = pending.back();
      pending.pop_back();
      PRUint16 type = 0;
      if (NS_FAILED(child->GetNodeType(&type)) || type != nsIDOMNode::ELEMENT_NODE)
        continue;
      nsCOMPtr<nsIDOMElement> element = do_QueryInterface(child);
      if (!isVisible(element))
        continue;
      if (isControl(child)) {
        CHtmlObjectPtr<CNSHtmlDialogControl> control = new CNSHtmlDialogControl(child, this);
        list->append(control);
      }
      pushChildren(child);
    }
  } catch (...) {
    reportException(kLineGetControls);
  }
  return list;
}

CNSHtmlDialogControlEnumerator* CNSHtmlDialog::getButtons(nsCOMPtr<nsIDOMNode>& node,
                                                          CNSHtmlDialogControlEnumerator* list) {
  try {
    nsCOMPtr<nsIDOMXULDocument> document = do_QueryInterface(node);
    if (!document)
      return list;
    for (const char* id : kDialogIds) {
      nsCOMPtr<nsIDOMNodeList> found;
      document->GetElementsByAttribute(NS_LITERAL_STRING("id"), NS_ConvertUTF8toUTF16(id),
                                       getter_AddRefs(found));
      nsCOMPtr<nsIDOMNode> dialog;
      if (found)
        found->Item(0, getter_AddRefs(dialog));
      if (dialog)
        return getButtonsX(dialog, list);
    }
  } catch (...) {
    reportException(kLineGetButtons);
  }
  return list;
}

CNSHtmlDialogControlEnumerator* CNSHtmlDialog::getButtonsX(nsCOMPtr<nsIDOMNode> node,
                                                           CNSHtmlDialogControlEnumerator* list) {
  nsCOMPtr<nsIDOMDocument> owner;
  node->GetOwnerDocument(getter_AddRefs(owner));
  nsCOMPtr<nsIDOMDocumentXBL> document = do_QueryInterface(owner);
  if (!owner)
    document = do_QueryInterface(node);
  nsCOMPtr<nsIDOMElement> element = do_QueryInterface(node);
  nsCOMPtr<nsIDOMNodeList> anonymous;
  if (!document || !element ||
      NS_FAILED(document->GetAnonymousNodes(element, getter_AddRefs(anonymous))) || !anonymous) {
    return list;
  }
  PRUint32 length = 0;
  anonymous->GetLength(&length);
  for (PRUint32 i = 0; i < length; ++i) {
    nsCOMPtr<nsIDOMNode> child;
    anonymous->Item(i, getter_AddRefs(child));
    nsCOMPtr<nsIDOMXULElement> box = do_QueryInterface(child);
    nsString_external className;
    if (box && NS_SUCCEEDED(box->GetClassName(className)) &&
        className.LowerCaseEqualsLiteral("dialog-button-box")) {
      getControls(child, list);
    }
  }
  return list;
}

// --- Properties and geometry -----------------------------------------------------------------

long long CNSHtmlDialog::getObject() {
  return NSPointerAsLongLong(m_xulWindow.get());
}

IHtmlPropertyValue* CNSHtmlDialog::getProperty(unsigned int id) {
  if (!m_xulWindow)
    return nullptr;
  try {
    switch (id) {
      case PROP_class:
        return new CNSHtmlPropertyValue("Html.Dialog");
      case PROP_bounds:
        return new CNSHtmlPropertyValue(getScreenRect());
      case PROP_uniqueId:
        return new CNSHtmlPropertyValue(NSIdentityText(getObject()));
      case PROP_window:
        return new CNSHtmlPropertyValue(static_cast<long long>(getWindowHandle()));
      case PROP_caption: {
        nsCOMPtr<nsIBaseWindow> base = do_QueryInterface(m_xulWindow);
        if (!base)
          return nullptr;
        PRUnichar* title = nullptr;
        nsString_external caption;
        if (NS_SUCCEEDED(base->GetTitle(&title)) && title)
          caption.Assign(title);
        NS_Free(title);
        return new CNSHtmlPropertyValue(caption);
      }
      case PROP_visible: {
        nsCOMPtr<nsIDocShell> shell = docShellOf(m_xulWindow);
        if (!shell)
          return nullptr;
        nsCOMPtr<nsIDOMElement> root =
            do_QueryInterface(CNSHtmlBrowser::getDOMNodeFromDocShell(shell));
        return new CNSHtmlPropertyValue(isVisible(root));
      }
      default:
        return nullptr;
    }
  } catch (...) {
    reportException(kLineGetPropertyById);
  }
  return nullptr;
}

IHtmlPropertyValue* CNSHtmlDialog::getProperty(const char* name) {
  if (!name)
    return nullptr;
  try {
    unsigned int id = CHtmlStandardPropertySet::getPropertyId(name);
    return id ? getProperty(id) : nullptr;
  } catch (...) {
    reportException(kLineGetPropertyByName);
  }
  return nullptr;
}

nsRect CNSHtmlDialog::getScreenRect() {
  nsRect rect(0, 0, 0, 0);
  nsCOMPtr<nsIDOMNode> document;
  if (getDOMNode(m_xulWindow, document)) {
    nsCOMPtr<nsIAccessibleRetrieval> retrieval =
        do_CreateInstance(NS_ACCESSIBLE_RETRIEVAL_CONTRACTID);
    nsCOMPtr<nsIAccessible> accessible;
    if (retrieval)
      retrieval->GetAccessibleFor(document, getter_AddRefs(accessible));
    PRInt32 x = 0, y = 0, width = 0, height = 0;
    if (accessible && NS_SUCCEEDED(accessible->GetBounds(&x, &y, &width, &height)))
      rect.SetRect(x, y, width, height);
  }
  if (nsIWidget* widget = getWidget()) {
    nsIntRect bounds;
    if (NS_SUCCEEDED(widget->GetBounds(bounds)))
      rect.SetRect(bounds.x, bounds.y, bounds.width, bounds.height);
  }
  return rect;
}

bool CNSHtmlDialog::isPointInObject(int x, int y) {
  try {
    nsRect r = getScreenRect();
    return r.x <= x && x < r.x + r.width && r.y <= y && y < r.y + r.height;
  } catch (...) {
    reportException(kLineIsPointInObject);
  }
  return false;
}

IHtmlEnumerator* CNSHtmlDialog::getProperties() {
  try {
    return new CNSHtmlStandardPropertyEnumerator(this);
  } catch (...) {
    reportException(kLineGetProperties);
  }
  return nullptr;
}

IHtmlEnumerator* CNSHtmlDialog::getNativeProperties() {
  try {
    nsCOMPtr<nsIDOMNode> document;
    if (!getDOMNode(m_xulWindow, document))
      return nullptr;
    return new CNSHtmlNativePropertyEnumerator(document);
  } catch (...) {
    reportException(kLineGetNativeProperties);
  }
  return nullptr;
}
