#include "WindowMediator.h"

#include <algorithm>

#include "SnapshotEnumerator.h"
#include "nsError.h"
#include "nsIDOMWindowInternal.h"
#include "nsIDocShell.h"
#include "nsIInterfaceRequestorUtils.h"

namespace geckohost {

namespace {

// The chrome DOM window of a XUL window (its document shell's window), or null.
nsCOMPtr<nsIDOMWindowInternal> chromeWindowOf(nsIXULWindow* window) {
  nsCOMPtr<nsIDocShell> shell;
  if (NS_FAILED(window->GetDocShell(getter_AddRefs(shell))) || !shell)
    return nullptr;
  nsCOMPtr<nsIDOMWindowInternal> domWindow = do_GetInterface(shell);
  return domWindow;
}

nsresult enumerate(std::vector<nsCOMPtr<nsIXULWindow>> windows, bool asDOMWindows,
                   nsISimpleEnumerator** _retval) {
  if (!_retval)
    return NS_ERROR_NULL_POINTER;
  std::vector<nsCOMPtr<nsISupports>> items;
  for (auto& window : windows) {
    if (asDOMWindows) {
      if (nsCOMPtr<nsIDOMWindowInternal> domWindow = chromeWindowOf(window)) {
        items.emplace_back(domWindow.get());
      }
    } else {
      items.emplace_back(window.get());
    }
  }
  nsCOMPtr<nsISimpleEnumerator> enumerator = new SnapshotEnumerator(std::move(items));
  enumerator.forget(_retval);
  return NS_OK;
}

}  // namespace

bool WindowMediator::matches(const Entry& entry, const PRUnichar* windowType) {
  if (!windowType)
    return true;
  return entry.type == reinterpret_cast<const char16_t*>(windowType);
}

void WindowMediator::add(nsIXULWindow* window, const std::u16string& windowType) {
  if (!window)
    return;
  for (const Entry& entry : mWindows) {
    if (entry.window.get() == window)
      return;
  }
  mWindows.push_back(Entry{window, windowType, ++mActivations});
}

bool WindowMediator::remove(nsIXULWindow* window) {
  auto found = std::find_if(mWindows.begin(), mWindows.end(),
                            [window](const Entry& entry) { return entry.window.get() == window; });
  if (found == mWindows.end())
    return false;
  mWindows.erase(found);
  return true;
}

void WindowMediator::activated(nsIXULWindow* window) {
  for (Entry& entry : mWindows) {
    if (entry.window.get() == window)
      entry.activation = ++mActivations;
  }
}

std::vector<nsCOMPtr<nsIXULWindow>> WindowMediator::windows(const PRUnichar* windowType) const {
  std::vector<nsCOMPtr<nsIXULWindow>> found;
  for (const Entry& entry : mWindows) {
    if (matches(entry, windowType))
      found.push_back(entry.window);
  }
  return found;
}

std::vector<nsCOMPtr<nsIXULWindow>> WindowMediator::windowsByRecency(
    const PRUnichar* windowType) const {
  std::vector<const Entry*> entries;
  for (const Entry& entry : mWindows) {
    if (matches(entry, windowType))
      entries.push_back(&entry);
  }
  std::stable_sort(entries.begin(), entries.end(),
                   [](const Entry* a, const Entry* b) { return a->activation > b->activation; });
  std::vector<nsCOMPtr<nsIXULWindow>> found;
  for (const Entry* entry : entries)
    found.push_back(entry->window);
  return found;
}

// nsIWindowMediator

NS_IMETHODIMP WindowMediator::GetEnumerator(const PRUnichar* aWindowType,
                                            nsISimpleEnumerator** _retval) {
  return enumerate(windows(aWindowType), true, _retval);
}

NS_IMETHODIMP WindowMediator::GetXULWindowEnumerator(const PRUnichar* aWindowType,
                                                     nsISimpleEnumerator** _retval) {
  return enumerate(windows(aWindowType), false, _retval);
}

NS_IMETHODIMP WindowMediator::GetZOrderDOMWindowEnumerator(const PRUnichar* aWindowType,
                                                           PRBool aFrontToBack,
                                                           nsISimpleEnumerator** _retval) {
  auto ordered = windowsByRecency(aWindowType);
  if (!aFrontToBack)
    std::reverse(ordered.begin(), ordered.end());
  return enumerate(std::move(ordered), true, _retval);
}

NS_IMETHODIMP WindowMediator::GetZOrderXULWindowEnumerator(const PRUnichar* aWindowType,
                                                           PRBool aFrontToBack,
                                                           nsISimpleEnumerator** _retval) {
  auto ordered = windowsByRecency(aWindowType);
  if (!aFrontToBack)
    std::reverse(ordered.begin(), ordered.end());
  return enumerate(std::move(ordered), false, _retval);
}

NS_IMETHODIMP WindowMediator::GetMostRecentWindow(const PRUnichar* aWindowType,
                                                  nsIDOMWindowInternal** _retval) {
  if (!_retval)
    return NS_ERROR_NULL_POINTER;
  *_retval = nullptr;
  for (auto& window : windowsByRecency(aWindowType)) {
    if (nsCOMPtr<nsIDOMWindowInternal> domWindow = chromeWindowOf(window)) {
      domWindow.forget(_retval);
      return NS_OK;
    }
  }
  return NS_OK;  // none: a null window and success, as Gecko answers
}

NS_IMETHODIMP WindowMediator::RegisterWindow(nsIXULWindow* aWindow) {
  if (!aWindow)
    return NS_ERROR_INVALID_ARG;
  for (const Entry& entry : mWindows) {
    if (entry.window.get() == aWindow)
      return NS_ERROR_FAILURE;  // Gecko refuses a second time
  }
  add(aWindow, u"");  // a window the host did not make: its type is unknown
  return NS_OK;
}

NS_IMETHODIMP WindowMediator::UnregisterWindow(nsIXULWindow* aWindow) {
  return remove(aWindow) ? NS_OK : NS_ERROR_INVALID_ARG;
}

NS_IMETHODIMP WindowMediator::AddListener(nsIWindowMediatorListener*) {
  // Nobody in this process listens for windows coming and going.
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP WindowMediator::RemoveListener(nsIWindowMediatorListener*) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

}  // namespace geckohost
