#include "NSHtmlDomain.h"

#include <cstring>

#include "HtmlStandardPropertySet.h"
#include "NSHtmlBrowser.h"
#include "NSHtmlBrowserThreadEnumerator.h"
#include "NSHtmlCombolist.h"
#include "NSNoOpTopWindow.h"
#include "NSTopLevelObjectEnumerator.h"
#include "Tracer.h"

namespace {
const char kImplementationName[] = "Firefox 3.6";
const unsigned int kWindowPropertyId = 45;
const char kModule[] = "NSHtmlDomain";

void reportException(unsigned int line) {
  CTracer::debugTrace("%s %s:%d\n", "Unknown exception", kModule, line);
}
}  // namespace

extern "C" __attribute__((visibility("default"))) IHtmlDomain* GetHtmlDomain() {
  return new CNSHtmlDomain();
}

CNSHtmlDomain::CNSHtmlDomain() : m_creatorThread(pthread_self()) {
  CHtmlStandardPropertySet::getStandardSet();
}

IHtmlTopLevelElement* CNSHtmlDomain::getTopLevelObject(long windowHandle) {
  try {
    return findTopLevelObject(windowHandle);
  } catch (...) {
    reportException(__LINE__);
  }
  return nullptr;
}

IHtmlTopLevelElement* CNSHtmlDomain::findTopLevelObject(long windowHandle) {
  const long long handle = static_cast<long long>(windowHandle);
  CHtmlObjectPtr<CNSTopLevelObjectEnumerator> windows = new CNSTopLevelObjectEnumerator();
  while (windows->hasMoreElements()) {
    CHtmlObjectPtr<IHtmlTopLevelElement> candidate =
        static_cast<IHtmlTopLevelElement*>(windows->nextElement());
    if (!candidate)
      continue;
    CHtmlObjectPtr<IHtmlPropertyValue> window = candidate->getProperty(kWindowPropertyId);
    if (window && window->longValue() == handle)
      return candidate.detach();
  }
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
  try {
    return new CNSTopLevelObjectEnumerator();
  } catch (...) {
    reportException(__LINE__);
  }
  return nullptr;
}

IHtmlEnumerator* CNSHtmlDomain::enumBrowserThreads() {
  try {
    return new CNSHtmlBrowserThreadEnumerator();
  } catch (...) {
    reportException(__LINE__);
  }
  return nullptr;
}

bool CNSHtmlDomain::isBrowserWindow(long windowHandle) {
  try {
    return CNSHtmlBrowser::isBrowserWindow(windowHandle);
  } catch (...) {
    reportException(__LINE__);
  }
  return false;
}
