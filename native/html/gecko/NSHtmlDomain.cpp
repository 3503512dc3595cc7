#include "NSHtmlDomain.h"

#include <cstring>

#include "HtmlStandardPropertySet.h"
#include "NSHtmlBrowser.h"
#include "NSHtmlBrowserThreadEnumerator.h"
#include "NSHtmlCombolist.h"
#include "NSNoOpTopWindow.h"
#include "NSTopLevelObjectEnumerator.h"

namespace {
const char kImplementationName[] = "Firefox 3.6";
const unsigned int kWindowPropertyId = 45;
}  // namespace

extern "C" __attribute__((visibility("default"))) IHtmlDomain* GetHtmlDomain() {
  return new CNSHtmlDomain();
}

CNSHtmlDomain::CNSHtmlDomain() {
  CHtmlStandardPropertySet::getStandardSet();
}

IHtmlTopLevelElement* CNSHtmlDomain::getTopLevelObject(long windowHandle) {
  const long long handle = static_cast<long long>(windowHandle);
  IHtmlTopLevelElement* found = nullptr;
  CHtmlObjectPtr<CNSTopLevelObjectEnumerator> windows = new CNSTopLevelObjectEnumerator();
  while (!found && windows->hasMoreElements()) {
    IHtmlTopLevelElement* candidate = static_cast<IHtmlTopLevelElement*>(windows->nextElement());
    if (!candidate)
      continue;
    CHtmlObjectPtr<IHtmlPropertyValue> window = candidate->getProperty(kWindowPropertyId);
    if (window && window->longValue() == handle) {
      found = candidate;
    } else {
      candidate->release();
    }
  }
  if (found)
    return found;
  if (CNSHtmlCombolist::isCombolist(windowHandle))
    return new CNSHtmlCombolist(windowHandle);
  if (CNSNoOpTopWindow::isNoOpTopWindow(windowHandle))
    return new CNSNoOpTopWindow(windowHandle);
  return nullptr;
}

int CNSHtmlDomain::getImplementationName(char* buffer, int size) {
  if (!buffer || size <= 0)
    return 0;
  strncpy(buffer, kImplementationName, static_cast<size_t>(size));
  return static_cast<unsigned int>(size) < 4u ? size : 4;
}

IHtmlEnumerator* CNSHtmlDomain::enumBrowsers() {
  return new CNSTopLevelObjectEnumerator();
}

IHtmlEnumerator* CNSHtmlDomain::enumBrowserThreads() {
  return new CNSHtmlBrowserThreadEnumerator();
}

bool CNSHtmlDomain::isBrowserWindow(long windowHandle) {
  return CNSHtmlBrowser::isBrowserWindow(windowHandle);
}
