// nsIAccessible over an AccessibleNode: every method checks its out-parameters, clears them,
// fails with NS_ERROR_FAILURE when the accessible is defunct (accessibility switched off, the
// node lost its box, its document is no longer shown), and otherwise forwards.
//
// One accessible per node while anyone holds it: asking for the same node again gives the same
// object, as Gecko's accessible cache does.
#ifndef GECKOHOST_ACCESSIBILITY_ACCESSIBLE_H
#define GECKOHOST_ACCESSIBILITY_ACCESSIBLE_H

#include "XPCOMObject.h"
#include "accessibility/AccessibleNode.h"
#include "nsCOMPtr.h"
#include "nsIAccessible.h"

namespace geckohost::accessibility {

class Accessible final : public XPCOMObject<nsIAccessible> {
 public:
  // The accessible of `node` (the existing one when there is one), without checking that the
  // node has one: callers check AccessibleNode::exists first.
  static nsCOMPtr<nsIAccessible> forNode(dom::Node& node);

  const AccessibleNode& logic() const { return mNode; }

  // nsIAccessible
  NS_DECL_NSIACCESSIBLE

 private:
  explicit Accessible(dom::Node& node);
  ~Accessible() override;

  // The sibling `step` places away among the parent's accessible children, or null.
  dom::Node* sibling(int step) const;

  AccessibleNode mNode;
};

}  // namespace geckohost::accessibility

#endif
