#include "NSTopLevelObjectEnumerator.h"

#include "NSHtmlBrowser.h"
#include "Tracer.h"
#include "nsIDOMWindow.h"
#include "nsIDocShell.h"
#include "nsIInterfaceRequestorUtils.h"
#include "nsIWindowMediator.h"
#include "nsIXULWindow.h"
#include "nsServiceManagerUtils.h"

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

bool CNSTopLevelObjectEnumerator::hasMoreElements() {
  if (m_popupHandle)
    return true;
  if (!m_ienum)
    return false;
  PRBool more = PR_FALSE;
  if (NS_FAILED(m_ienum->HasMoreElements(&more)))
    return false;
  return more;
}

IHtmlObject* CNSTopLevelObjectEnumerator::nextElement() {
  if (m_popupHandle) {
    m_popupHandle = 0;
    return nullptr;
  }
  if (!m_ienum)
    return nullptr;
  for (;;) {
    nsCOMPtr<nsISupports> window;
    if (NS_FAILED(m_ienum->GetNext(getter_AddRefs(window))) || !window)
      return nullptr;
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
