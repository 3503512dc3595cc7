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
  Services::registerFactory(NS_ACCESSIBLE_RETRIEVAL_CONTRACTID, []() -> nsISupports* {
    nsISupports* instance = static_cast<nsIAccessibleRetrieval*>(new AccessibleRetrieval());
    NS_ADDREF(instance);
    return instance;
  });
}

void Accessibility::unregisterComponents() {
  Services::unregister(NS_ACCESSIBLE_RETRIEVAL_CONTRACTID);
}

}  // namespace geckohost::accessibility
