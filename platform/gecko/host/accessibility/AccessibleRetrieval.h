// Gecko's accessibility service, nsIAccessibleRetrieval: the accessible of a DOM node.
// Stateless: every instance (the registered service and each do_CreateInstance) answers the
// same, from the process-wide switch and host of Accessibility.
//
// GetAccessibleFor: NS_ERROR_NOT_AVAILABLE while accessibility is off (no assistive technology
// asked for it); null (and NS_OK) for a node without an accessible (no box, document not
// shown); NS_ERROR_INVALID_ARG for null or for an object that is not one of the host's nodes.
#ifndef GECKOHOST_ACCESSIBILITY_ACCESSIBLERETRIEVAL_H
#define GECKOHOST_ACCESSIBILITY_ACCESSIBLERETRIEVAL_H

#include "XPCOMObject.h"
#include "nsIAccessibleRetrieval.h"

namespace geckohost::accessibility {

class AccessibleRetrieval final : public XPCOMObject<nsIAccessibleRetrieval> {
 public:
  AccessibleRetrieval() = default;

  // nsIAccessibleRetrieval
  NS_IMETHOD GetAccessibleFor(nsIDOMNode* aNode, nsIAccessible** _retval) override;
  // The accessible of the node, or of its nearest ancestor that has one.
  NS_IMETHOD GetAttachedAccessibleFor(nsIDOMNode* aNode, nsIAccessible** _retval) override;
  // The node itself, or for generated (anonymous) content the element it belongs to.
  NS_IMETHOD GetRelevantContentNodeFor(nsIDOMNode* aNode, nsIDOMNode** _retval) override;
  // As GetAccessibleFor; a node knows its own window.
  NS_IMETHOD GetAccessibleInWindow(nsIDOMNode* aNode, nsIDOMWindow* aDOMWin,
                                   nsIAccessible** _retval) override;

 private:
  ~AccessibleRetrieval() override = default;
};

}  // namespace geckohost::accessibility

#endif
