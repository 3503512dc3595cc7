#include "accessibility/AccessibleRetrieval.h"

#include "accessibility/Accessibility.h"
#include "accessibility/Accessible.h"
#include "accessibility/AccessibleNode.h"
#include "dom/ContentNode.h"
#include "dom/Element.h"
#include "dom/Node.h"
#include "dom/XPCOMHelpers.h"

namespace geckohost::accessibility {

NS_IMETHODIMP AccessibleRetrieval::GetAccessibleFor(nsIDOMNode* aNode, nsIAccessible** _retval) {
  NS_ENSURE_ARG_POINTER(_retval);
  *_retval = nullptr;
  if (!Accessibility::isEnabled())
    return NS_ERROR_NOT_AVAILABLE;
  dom::Node* node = dom::Node::fromDOM(aNode);
  if (!node)
    return NS_ERROR_INVALID_ARG;
  if (AccessibleNode::exists(*node))
    Accessible::forNode(*node).forget(_retval);
  return NS_OK;
}

NS_IMETHODIMP AccessibleRetrieval::GetAttachedAccessibleFor(nsIDOMNode* aNode,
                                                            nsIAccessible** _retval) {
  NS_ENSURE_ARG_POINTER(_retval);
  *_retval = nullptr;
  if (!Accessibility::isEnabled())
    return NS_ERROR_NOT_AVAILABLE;
  dom::Node* node = dom::Node::fromDOM(aNode);
  if (!node)
    return NS_ERROR_INVALID_ARG;
  for (dom::Node* current = node; current; current = current->parentNode()) {
    if (AccessibleNode::exists(*current)) {
      Accessible::forNode(*current).forget(_retval);
      break;
    }
  }
  return NS_OK;
}

NS_IMETHODIMP AccessibleRetrieval::GetRelevantContentNodeFor(nsIDOMNode* aNode,
                                                             nsIDOMNode** _retval) {
  NS_ENSURE_ARG_POINTER(_retval);
  *_retval = nullptr;
  dom::Node* node = dom::Node::fromDOM(aNode);
  if (!node)
    return NS_ERROR_INVALID_ARG;
  dom::Node* relevant = node;
  if (node->asContent()) {
    if (dom::Element* owner = static_cast<dom::ContentNode*>(node)->bindingParent())
      relevant = owner;
  }
  return dom::handOut(relevant->asDOMNode(), _retval);
}

NS_IMETHODIMP AccessibleRetrieval::GetAccessibleInWindow(nsIDOMNode* aNode, nsIDOMWindow*,
                                                         nsIAccessible** _retval) {
  return GetAccessibleFor(aNode, _retval);
}

}  // namespace geckohost::accessibility
