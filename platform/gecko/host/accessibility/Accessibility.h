// The process-wide state of accessibility: whether it is on (Gecko builds accessibles only
// once an assistive technology asked for them; off by default), the windows side's
// AccessibilityHost, and the registration of the retrieval component.
//
//   Accessibility::setHost(&shells);          // the windows side, once
//   Accessibility::registerComponents();      // "@mozilla.org/accessibleRetrieval;1"
//   Accessibility::setEnabled(true);          // what the control API's switch calls
#ifndef GECKOHOST_ACCESSIBILITY_ACCESSIBILITY_H
#define GECKOHOST_ACCESSIBILITY_ACCESSIBILITY_H

namespace geckohost::accessibility {

class AccessibilityHost;

class Accessibility {
 public:
  // Off: GetAccessibleFor fails with NS_ERROR_NOT_AVAILABLE and every existing accessible
  // fails its calls (as a defunct accessible does).
  static void setEnabled(bool enabled);
  static bool isEnabled();

  // The windows side's host (weak; it must outlive its installation); null uninstalls it.
  static void setHost(AccessibilityHost* host);
  static AccessibilityHost* host();

  // Registers the retrieval component with the host's service manager, both as the service
  // (do_GetService) and as a factory of new instances (do_CreateInstance), under
  // NS_ACCESSIBLE_RETRIEVAL_CONTRACTID. unregisterComponents undoes it.
  static void registerComponents();
  static void unregisterComponents();
};

}  // namespace geckohost::accessibility

#endif
