#include "accessibility/Accessibility.h"

#include "Services.h"
#include "accessibility/AccessibleRetrieval.h"
#include "nsCOMPtr.h"
#include "nsIAccessibleRetrieval.h"

namespace geckohost::accessibility {

namespace {

bool sEnabled = false;
AccessibilityHost* sHost = nullptr;  // weak

}  // namespace

void Accessibility::setEnabled(bool enabled) {
  sEnabled = enabled;
}

bool Accessibility::isEnabled() {
  return sEnabled;
}

void Accessibility::setHost(AccessibilityHost* host) {
  sHost = host;
}

AccessibilityHost* Accessibility::host() {
  return sHost;
}

void Accessibility::registerComponents() {
  nsCOMPtr<nsIAccessibleRetrieval> service = new AccessibleRetrieval();
  Services::registerService(NS_ACCESSIBLE_RETRIEVAL_CONTRACTID, service);
  // Gecko's accessibility module constructs its retrieval interface as a singleton: creating an
  // "instance" hands out the one service. Callers that create one per question (an element's
  // bounds) then cost a lookup, not an object. The factory holds its own reference, dropped
  // when the components are unregistered.
  Services::registerFactory(NS_ACCESSIBLE_RETRIEVAL_CONTRACTID, [service]() -> nsISupports* {
    nsISupports* instance = service;
    NS_ADDREF(instance);
    return instance;
  });
}

void Accessibility::unregisterComponents() {
  Services::unregister(NS_ACCESSIBLE_RETRIEVAL_CONTRACTID);
}

}  // namespace geckohost::accessibility
