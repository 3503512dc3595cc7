#include "accessibility/Accessible.h"

#include <algorithm>
#include <unordered_map>

#include "dom/Node.h"
#include "dom/XPCOMHelpers.h"

namespace geckohost::accessibility {

namespace {

// The accessible of each node that has one alive (weak: an accessible removes itself when it
// goes).
std::unordered_map<const dom::Node*, Accessible*>& liveAccessibles() {
  static std::unordered_map<const dom::Node*, Accessible*> accessibles;
  return accessibles;
}

nsresult handOutNode(dom::Node* node, nsIAccessible** aResult) {
  if (!node)
    return NS_OK;
  Accessible::forNode(*node).forget(aResult);
  return NS_OK;
}

}  // namespace

Accessible::Accessible(dom::Node& node) : mNode(node) {
  liveAccessibles()[&node] = this;
}

Accessible::~Accessible() {
  liveAccessibles().erase(&mNode.node());
}

nsCOMPtr<nsIAccessible> Accessible::forNode(dom::Node& node) {
  auto found = liveAccessibles().find(&node);
  if (found != liveAccessibles().end())
    return nsCOMPtr<nsIAccessible>(found->second);
  return nsCOMPtr<nsIAccessible>(new Accessible(node));
}

dom::Node* Accessible::sibling(int step) const {
  dom::Node* parent = mNode.parent();
  if (!parent)
    return nullptr;
  std::vector<dom::Node*> siblings = AccessibleNode(*parent).children();
  auto self = std::find(siblings.begin(), siblings.end(), &mNode.node());
  if (self == siblings.end())
    return nullptr;
  long index = long(self - siblings.begin()) + step;
  return index >= 0 && index < long(siblings.size()) ? siblings[size_t(index)] : nullptr;
}

NS_IMETHODIMP Accessible::GetParent(nsIAccessible** aParent) {
  NS_ENSURE_ARG_POINTER(aParent);
  *aParent = nullptr;
  if (mNode.isDefunct())
    return NS_ERROR_FAILURE;
  return handOutNode(mNode.parent(), aParent);
}

NS_IMETHODIMP Accessible::GetNextSibling(nsIAccessible** aNextSibling) {
  NS_ENSURE_ARG_POINTER(aNextSibling);
  *aNextSibling = nullptr;
  if (mNode.isDefunct())
    return NS_ERROR_FAILURE;
  return handOutNode(sibling(1), aNextSibling);
}

NS_IMETHODIMP Accessible::GetPreviousSibling(nsIAccessible** aPreviousSibling) {
  NS_ENSURE_ARG_POINTER(aPreviousSibling);
  *aPreviousSibling = nullptr;
  if (mNode.isDefunct())
    return NS_ERROR_FAILURE;
  return handOutNode(sibling(-1), aPreviousSibling);
}

NS_IMETHODIMP Accessible::GetFirstChild(nsIAccessible** aFirstChild) {
  NS_ENSURE_ARG_POINTER(aFirstChild);
  *aFirstChild = nullptr;
  if (mNode.isDefunct())
    return NS_ERROR_FAILURE;
  std::vector<dom::Node*> children = mNode.children();
  return handOutNode(children.empty() ? nullptr : children.front(), aFirstChild);
}

NS_IMETHODIMP Accessible::GetLastChild(nsIAccessible** aLastChild) {
  NS_ENSURE_ARG_POINTER(aLastChild);
  *aLastChild = nullptr;
  if (mNode.isDefunct())
    return NS_ERROR_FAILURE;
  std::vector<dom::Node*> children = mNode.children();
  return handOutNode(children.empty() ? nullptr : children.back(), aLastChild);
}

NS_IMETHODIMP Accessible::GetChildCount(PRInt32* aChildCount) {
  NS_ENSURE_ARG_POINTER(aChildCount);
  *aChildCount = 0;
  if (mNode.isDefunct())
    return NS_ERROR_FAILURE;
  *aChildCount = PRInt32(mNode.children().size());
  return NS_OK;
}

NS_IMETHODIMP Accessible::GetName(nsAString& aName) {
  aName.Truncate();
  if (mNode.isDefunct())
    return NS_ERROR_FAILURE;
  dom::setString(aName, mNode.name());
  return NS_OK;
}

NS_IMETHODIMP Accessible::GetRole(PRUint32* aRole) {
  NS_ENSURE_ARG_POINTER(aRole);
  *aRole = 0;
  if (mNode.isDefunct())
    return NS_ERROR_FAILURE;
  *aRole = mNode.role();
  return NS_OK;
}

NS_IMETHODIMP Accessible::GetState(PRUint32* aState, PRUint32* aExtraState) {
  NS_ENSURE_ARG_POINTER(aState);
  *aState = 0;
  if (aExtraState)
    *aExtraState = 0;  // extended states are not tracked
  if (mNode.isDefunct())
    return NS_ERROR_FAILURE;
  *aState = mNode.states();
  return NS_OK;
}

NS_IMETHODIMP Accessible::GetChildAtPoint(PRInt32 x, PRInt32 y, nsIAccessible** _retval) {
  NS_ENSURE_ARG_POINTER(_retval);
  *_retval = nullptr;
  if (mNode.isDefunct())
    return NS_ERROR_FAILURE;
  return handOutNode(mNode.childAtPoint(x, y), _retval);
}

NS_IMETHODIMP Accessible::GetBounds(PRInt32* x, PRInt32* y, PRInt32* width, PRInt32* height) {
  NS_ENSURE_ARG_POINTER(x);
  NS_ENSURE_ARG_POINTER(y);
  NS_ENSURE_ARG_POINTER(width);
  NS_ENSURE_ARG_POINTER(height);
  *x = *y = *width = *height = 0;
  if (mNode.isDefunct())
    return NS_ERROR_FAILURE;
  nsIntRect bounds = mNode.bounds();
  *x = bounds.x;
  *y = bounds.y;
  *width = bounds.width;
  *height = bounds.height;
  return NS_OK;
}

}  // namespace geckohost::accessibility
