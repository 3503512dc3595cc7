// A XUL element's box as its box object reports it, in screen pixels; (-1, -1, -1, -1) when
// the element has no box object.
#ifndef TESTS_SUPPORT_XULBOXES_H
#define TESTS_SUPPORT_XULBOXES_H

#include "nsCOMPtr.h"
#include "nsIBoxObject.h"
#include "nsIDOMElement.h"
#include "nsIDOMXULElement.h"
#include "nsRect.h"

namespace testsupport {

inline nsIntRect ScreenBoxOf(nsIDOMElement* element) {
  nsCOMPtr<nsIDOMXULElement> xulElement = do_QueryInterface(element);
  nsCOMPtr<nsIBoxObject> box;
  if (xulElement)
    xulElement->GetBoxObject(getter_AddRefs(box));
  nsIntRect rect(-1, -1, -1, -1);
  if (box) {
    box->GetScreenX(&rect.x);
    box->GetScreenY(&rect.y);
    box->GetWidth(&rect.width);
    box->GetHeight(&rect.height);
  }
  return rect;
}

}  // namespace testsupport

#endif
