#include "NSHtmlCombolist.h"

#include "HtmlStandardPropertyIds.h"
#include "HtmlStandardPropertySet.h"
#include "NSHtmlBrowser.h"
#include "NSHtmlCombolistEnumerator.h"
#include "NSHtmlDocument.h"
#include "NSHtmlPropertyValue.h"
#include "NSHtmlSelectElement.h"
#include "NSObjectIdentity.h"
#include "Tracer.h"
#include "nsIComboboxControlFrame.h"
#include "nsIContent.h"
#include "nsIDOMHTMLSelectElement.h"
#include "nsIDOMNodeList.h"
#include "nsIDOMWindow.h"
#include "nsIDocShell.h"
#include "nsIDocShellTreeItem.h"
#include "nsIDocument.h"
#include "nsIFrame.h"
#include "nsIInterfaceRequestorUtils.h"
#include "nsIPresShell.h"
#include "nsISimpleEnumerator.h"
#include "nsIView.h"
#include "nsIWindowMediator.h"
#include "nsIXULWindow.h"
#include "nsServiceManagerUtils.h"

namespace {

const char kModule[] = "NSHtmlCombolist";

enum ReportLine : unsigned int { kLineGetElement = 120, kLineGetAssociatedSelect = 160 };

nsCOMPtr<nsISimpleEnumerator> allWindows() {
  nsCOMPtr<nsIWindowMediator> mediator = do_GetService(NS_WINDOWMEDIATOR_CONTRACTID);
  nsCOMPtr<nsISimpleEnumerator> windows;
  if (mediator)
    mediator->GetXULWindowEnumerator(nullptr, getter_AddRefs(windows));
  return windows;
}

// The popup widget of each open drop-down in the page a shell shows, until `wanted` matches.
nsIWidget* openDropDownIn(nsIDocShell* shell, long wanted) {
  nsCOMPtr<nsIPresShell> presShell;
  if (!shell || NS_FAILED(shell->GetPresShell(getter_AddRefs(presShell))) || !presShell)
    return nullptr;
  nsIDocument* document = presShell->GetDocument();
  nsCOMPtr<nsIDOMDocument> dom = do_QueryInterface(document);
  nsCOMPtr<nsIDOMNodeList> selects;
  if (!dom ||
      NS_FAILED(dom->GetElementsByTagName(NS_LITERAL_STRING("select"), getter_AddRefs(selects))) ||
      !selects) {
    return nullptr;
  }
  PRUint32 count = 0;
  selects->GetLength(&count);
  for (PRUint32 i = 0; i < count; ++i) {
    nsCOMPtr<nsIDOMNode> select;
    selects->Item(i, getter_AddRefs(select));
    nsCOMPtr<nsIContent> content = do_QueryInterface(select);
    nsIFrame* frame = content ? presShell->GetPrimaryFrameFor(content) : nullptr;
    nsIComboboxControlFrame* combo = nullptr;
    if (frame)
      combo = do_QueryFrame(frame);
    if (!combo || !combo->IsDroppedDown())
      continue;
    nsIWidget* widget = CNSHtmlCombolist::getPopupWidget(combo->GetDropDown());
    if (widget && reinterpret_cast<long>(widget->GetNativeData(NS_NATIVE_WINDOW)) == wanted)
      return widget;
  }
  return nullptr;
}

}  // namespace

nsIWidget* CNSHtmlCombolist::getPopupWidget(nsIFrame* listFrame) {
  nsIView* view = listFrame ? listFrame->GetView() : nullptr;
  for (nsIView* child = view ? view->GetFirstChild() : nullptr; child;
       child = child->GetNextSibling()) {
    if (child->HasWidget())
      return child->GetWidget();
  }
  return nullptr;
}

bool CNSHtmlCombolist::getWidget(long windowHandle, nsCOMPtr<nsIWidget>& widget) {
  widget = nullptr;
  nsCOMPtr<nsISimpleEnumerator> windows = allWindows();
  PRBool more = PR_FALSE;
  while (windowHandle && windows && NS_SUCCEEDED(windows->HasMoreElements(&more)) && more) {
    nsCOMPtr<nsISupports> window;
    if (NS_FAILED(windows->GetNext(getter_AddRefs(window))) || !window)
      break;
    nsCOMPtr<nsIXULWindow> xulWindow = CNSHtmlBrowser::getBrowserWindow(window);
    nsCOMPtr<nsIDocShell> root;
    nsCOMPtr<nsISimpleEnumerator> shells;
    if (!xulWindow || NS_FAILED(xulWindow->GetDocShell(getter_AddRefs(root))) || !root ||
        NS_FAILED(root->GetDocShellEnumerator(nsIDocShellTreeItem::typeContent,
                                              nsIDocShell::ENUMERATE_FORWARDS,
                                              getter_AddRefs(shells)))) {
      continue;
    }
    PRBool moreShells = PR_FALSE;
    while (NS_SUCCEEDED(shells->HasMoreElements(&moreShells)) && moreShells) {
      nsCOMPtr<nsISupports> item;
      if (NS_FAILED(shells->GetNext(getter_AddRefs(item))))
        break;
      nsCOMPtr<nsIDocShell> shell = do_QueryInterface(item);
      if (nsIWidget* found = openDropDownIn(shell, windowHandle)) {
        widget = found;
        return true;
      }
    }
  }
  return false;
}

nsIFrame* CNSHtmlCombolist::getFrame(nsCOMPtr<nsIWidget> widget) {
  void* data = nullptr;
  if (!widget || NS_FAILED(widget->GetClientData(data)) || !data)
    return nullptr;
  nsIView* parent = static_cast<nsIView*>(data)->GetParent();
  return parent ? static_cast<nsIFrame*>(parent->GetClientData()) : nullptr;
}

bool CNSHtmlCombolist::isCombolist(long windowHandle) {
  nsCOMPtr<nsIWidget> widget;
  if (!getWidget(windowHandle, widget))
    return false;
  nsIFrame* frame = getFrame(widget);
  return frame && frame->QueryFrame(nsQueryFrame::nsListControlFrame_id) != nullptr;
}

nsIDOMElement* CNSHtmlCombolist::getAssociatedSelect() {
  try {
    nsCOMPtr<nsISimpleEnumerator> windows = allWindows();
    PRBool more = PR_FALSE;
    while (windows && NS_SUCCEEDED(windows->HasMoreElements(&more)) && more) {
      nsCOMPtr<nsISupports> window;
      if (NS_FAILED(windows->GetNext(getter_AddRefs(window))) || !window)
        return nullptr;
      nsCOMPtr<nsIXULWindow> xulWindow = CNSHtmlBrowser::getBrowserWindow(window);
      nsCOMPtr<nsIDocShell> shell;
      if (xulWindow)
        xulWindow->GetDocShell(getter_AddRefs(shell));
      nsCOMPtr<nsIDOMWindow> domWindow = do_GetInterface(shell);
      if (!domWindow)
        continue;
      CHtmlObjectPtr<CNSHtmlBrowser> browser = new CNSHtmlBrowser(domWindow, xulWindow);
      CHtmlObjectPtr<CNSHtmlDocument> document;
      int focused = 0;
      if (browser->getDocument(document))
        document->hasFocus(focused);
      if (focused)
        return document->getActiveElement();
    }
  } catch (...) {
    CTracer::debugTrace("Exception occurred in getAssociatedSelect() mehtod in %s line %d", kModule,
                        kLineGetAssociatedSelect);
  }
  return nullptr;
}

CNSHtmlCombolist::CNSHtmlCombolist(long windowHandle) : m_windowHandle(windowHandle) {
  getWidget(windowHandle, m_widget);
  getElement();
  if (m_widget &&
      reinterpret_cast<long>(m_widget->GetNativeData(NS_NATIVE_WINDOW)) != windowHandle) {
    CTracer::debugTrace("widget has different window handle!");
  }
}

CNSHtmlCombolist::CNSHtmlCombolist(nsIWidget* widget)
    : m_widget(widget),
      m_windowHandle(widget ? reinterpret_cast<long>(widget->GetNativeData(NS_NATIVE_WINDOW)) : 0) {
  getElement();
}

void CNSHtmlCombolist::getElement() {
  try {
    m_element = do_QueryInterface(getAssociatedSelect());
  } catch (...) {
    CTracer::debugTrace("Exception occurred in getElement() mehtod in %s line %d", kModule,
                        kLineGetElement);
  }
}

IHtmlElement* CNSHtmlCombolist::getParent() {
  nsCOMPtr<nsIDOMHTMLSelectElement> select = do_QueryInterface(m_element);
  return select ? new CNSHtmlSelectElement(m_element) : nullptr;
}

IHtmlEnumerator* CNSHtmlCombolist::getChildren() {
  if (!m_element)
    return nullptr;
  CHtmlObjectPtr<CNSHtmlSelectElement> select = new CNSHtmlSelectElement(m_element);
  return new CNSHtmlCombolistEnumerator(select->getChildren());
}

long long CNSHtmlCombolist::getObject() {
  return NSPointerAsLongLong(m_nativeObject.get());
}

nsRect CNSHtmlCombolist::getScreenRectangle() {
  nsIntRect bounds;
  if (!m_widget || NS_FAILED(m_widget->GetBounds(bounds)))
    return nsRect(0, 0, 0, 0);
  return nsRect(bounds.x, bounds.y, bounds.width, bounds.height);
}

bool CNSHtmlCombolist::isPointInObject(int x, int y) {
  nsRect r = getScreenRectangle();
  return r.x <= x && x < r.x + r.width && r.y <= y && y < r.y + r.height;
}

IHtmlPropertyValue* CNSHtmlCombolist::getProperty(unsigned int id) {
  switch (id) {
    case PROP_class:
      return new CNSHtmlPropertyValue("Html.ComboLBox");
    case PROP_bounds:
      return new CNSHtmlPropertyValue(getScreenRectangle());
    default:
      return nullptr;
  }
}

IHtmlPropertyValue* CNSHtmlCombolist::getProperty(const char* name) {
  unsigned int id = name ? CHtmlStandardPropertySet::getPropertyId(name) : 0;
  return id ? getProperty(id) : nullptr;
}
