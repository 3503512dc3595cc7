#include "dom/HTMLFrameElement.h"

#include "dom/ReflectionMacros.h"

namespace geckohost::dom {

void* HTMLFrameElement::interfaceFor(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsIDOMHTMLFrameElement)))
    return static_cast<nsIDOMHTMLFrameElement*>(this);
  return HTMLElement::interfaceFor(iid);
}

GECKOHOST_IMPL_STRING_ATTR(HTMLFrameElement, FrameBorder, "frameborder")
GECKOHOST_IMPL_URI_ATTR(HTMLFrameElement, LongDesc, "longdesc")
GECKOHOST_IMPL_STRING_ATTR(HTMLFrameElement, MarginHeight, "marginheight")
GECKOHOST_IMPL_STRING_ATTR(HTMLFrameElement, MarginWidth, "marginwidth")
GECKOHOST_IMPL_STRING_ATTR(HTMLFrameElement, Name, "name")
GECKOHOST_IMPL_BOOL_ATTR(HTMLFrameElement, NoResize, "noresize")
GECKOHOST_IMPL_STRING_ATTR(HTMLFrameElement, Scrolling, "scrolling")
GECKOHOST_IMPL_URI_ATTR(HTMLFrameElement, Src, "src")

NS_IMETHODIMP HTMLFrameElement::GetContentDocument(nsIDOMDocument** aContentDocument) {
  return handOutContentDocument(aContentDocument);
}

}  // namespace geckohost::dom
