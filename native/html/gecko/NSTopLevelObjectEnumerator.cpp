#include "NSTopLevelObjectEnumerator.h"

#include "NSHtmlBrowser.h"
#include "NSHtmlCombolist.h"
#include "NSHtmlDialog.h"
#include "NSHtmlSelectElement.h"
#include "Tracer.h"
#include "nsIDOMWindow.h"
#include "nsIDocShell.h"
#include "nsIInterfaceRequestorUtils.h"
#include "nsIWindowMediator.h"
#include "nsIXULWindow.h"
#include "nsServiceManagerUtils.h"

namespace {
void reportException(unsigned int line) {
  CTracer::debugTrace("%s %s:%d\n", "Unknown exception", "NSTopLevelObjectEnumerator", line);
}
}  // namespace

long CNSTopLevelObjectEnumerator::findPopup() {
  nsCOMPtr<nsIDOMHTMLElement> focused = do_QueryInterface(CNSHtmlCombolist::getAssociatedSelect());
  if (!focused || !CNSHtmlSelectElement::isSelect(focused))
    return 0;
  CHtmlObjectPtr<CNSHtmlSelectElement> select = new CNSHtmlSelectElement(focused);
  long handle = select->findPopup();
  return handle && CNSHtmlCombolist::isCombolist(handle) ? handle : 0;
}

CNSTopLevelObjectEnumerator::CNSTopLevelObjectEnumerator() : m_popupHandle(findPopup()) {
  nsresult rv = NS_OK;
  nsCOMPtr<nsIWindowMediator> mediator = do_GetService(NS_WINDOWMEDIATOR_CONTRACTID, &rv);
  if (NS_FAILED(rv) || !mediator) {
    CTracer::debugTrace("nServiceManager::GetService failed!");
    return;
  }
  if (NS_FAILED(mediator->GetXULWindowEnumerator(nullptr, getter_AddRefs(m_ienum)))) {
    m_ienum = nullptr;
    CTracer::debugTrace("Error Could not get enumerator for iWindowMediator");
  }
}

// A window enumerator that threw once is not asked again: the enumeration ends there.
bool CNSTopLevelObjectEnumerator::hasMoreElements() {
  if (m_popupHandle)
    return true;
  if (!m_ienum)
    return false;
  try {
    PRBool more = PR_FALSE;
    if (NS_FAILED(m_ienum->HasMoreElements(&more)))
      return false;
    return more;
  } catch (...) {
    m_ienum = nullptr;
    reportException(__LINE__);
  }
  return false;
}

IHtmlObject* CNSTopLevelObjectEnumerator::nextElement() {
  try {
    return makeNextElement();
  } catch (...) {
    m_ienum = nullptr;
    reportException(__LINE__);
  }
  return nullptr;
}

IHtmlObject* CNSTopLevelObjectEnumerator::makeNextElement() {
  if (m_popupHandle) {
    long handle = m_popupHandle;
    m_popupHandle = 0;
    return CNSHtmlCombolist::isCombolist(handle) ? new CNSHtmlCombolist(handle) : nullptr;
  }
  if (!m_ienum)
    return nullptr;
  for (;;) {
    nsCOMPtr<nsISupports> window;
    if (NS_FAILED(m_ienum->GetNext(getter_AddRefs(window))) || !window)
      return nullptr;
    if (CNSHtmlDialog::isHtmlDialog(window))
      return new CNSHtmlDialog(window);
    nsCOMPtr<nsIXULWindow> xulWindow = CNSHtmlBrowser::getBrowserWindow(window);
    nsCOMPtr<nsIDocShell> shell;
    if (xulWindow)
      xulWindow->GetDocShell(getter_AddRefs(shell));
    nsCOMPtr<nsIDOMWindow> domWindow = do_GetInterface(shell);
    if (!domWindow)
      continue;
    CNSHtmlBrowser* browser = new CNSHtmlBrowser(domWindow, xulWindow);
    if (browser->isValidBrowserObject())
      return browser;
    browser->release();
    return nullptr;
  }
}
