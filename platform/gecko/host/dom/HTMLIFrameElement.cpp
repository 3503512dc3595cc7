#include "dom/HTMLIFrameElement.h"

#include "dom/ReflectionMacros.h"

namespace geckohost::dom {

void* HTMLIFrameElement::interfaceFor(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsIDOMHTMLIFrameElement)))
    return static_cast<nsIDOMHTMLIFrameElement*>(this);
  return HTMLElement::interfaceFor(iid);
}

GECKOHOST_IMPL_STRING_ATTR(HTMLIFrameElement, Align, "align")
GECKOHOST_IMPL_STRING_ATTR(HTMLIFrameElement, FrameBorder, "frameborder")
GECKOHOST_IMPL_STRING_ATTR(HTMLIFrameElement, Height, "height")
GECKOHOST_IMPL_URI_ATTR(HTMLIFrameElement, LongDesc, "longdesc")
GECKOHOST_IMPL_STRING_ATTR(HTMLIFrameElement, MarginHeight, "marginheight")
GECKOHOST_IMPL_STRING_ATTR(HTMLIFrameElement, MarginWidth, "marginwidth")
GECKOHOST_IMPL_STRING_ATTR(HTMLIFrameElement, Name, "name")
GECKOHOST_IMPL_STRING_ATTR(HTMLIFrameElement, Scrolling, "scrolling")
GECKOHOST_IMPL_URI_ATTR(HTMLIFrameElement, Src, "src")
GECKOHOST_IMPL_STRING_ATTR(HTMLIFrameElement, Width, "width")

NS_IMETHODIMP HTMLIFrameElement::GetContentDocument(nsIDOMDocument** aContentDocument) {
  return handOutContentDocument(aContentDocument);
}

}  // namespace geckohost::dom
