#include "dom/HTMLImageElement.h"

#include "dom/ReflectionMacros.h"
#include "layout/LayoutQuery.h"

namespace geckohost::dom {

int32_t HTMLImageElement::width() {
  if (attributeValue(u"width"))
    return intAttribute(u"width", 0);
  return shownSize().width;
}

int32_t HTMLImageElement::height() {
  if (attributeValue(u"height"))
    return intAttribute(u"height", 0);
  return shownSize().height;
}

nsSize HTMLImageElement::shownSize() {
  LayoutQuery* query = layout();
  return query ? query->imageSize(*this) : nsSize();
}

// --- nsIDOMHTMLImageElement ------------------------------------------------------------

void* HTMLImageElement::interfaceFor(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsIDOMHTMLImageElement)))
    return static_cast<nsIDOMHTMLImageElement*>(this);
  return HTMLElement::interfaceFor(iid);
}

GECKOHOST_IMPL_STRING_ATTR(HTMLImageElement, Name, "name")
GECKOHOST_IMPL_STRING_ATTR(HTMLImageElement, Align, "align")
GECKOHOST_IMPL_STRING_ATTR(HTMLImageElement, Alt, "alt")
GECKOHOST_IMPL_STRING_ATTR(HTMLImageElement, Border, "border")
GECKOHOST_IMPL_INT_ATTR(HTMLImageElement, Hspace, "hspace", 0)
GECKOHOST_IMPL_BOOL_ATTR(HTMLImageElement, IsMap, "ismap")
GECKOHOST_IMPL_URI_ATTR(HTMLImageElement, LongDesc, "longdesc")
GECKOHOST_IMPL_URI_ATTR(HTMLImageElement, Src, "src")
GECKOHOST_IMPL_STRING_ATTR(HTMLImageElement, UseMap, "usemap")
GECKOHOST_IMPL_INT_ATTR(HTMLImageElement, Vspace, "vspace", 0)

NS_IMETHODIMP HTMLImageElement::GetHeight(PRInt32* aHeight) {
  NS_ENSURE_ARG_POINTER(aHeight);
  *aHeight = height();
  return NS_OK;
}

NS_IMETHODIMP HTMLImageElement::SetHeight(PRInt32 aHeight) {
  setIntAttribute(u"height", aHeight);
  return NS_OK;
}

NS_IMETHODIMP HTMLImageElement::GetWidth(PRInt32* aWidth) {
  NS_ENSURE_ARG_POINTER(aWidth);
  *aWidth = width();
  return NS_OK;
}

NS_IMETHODIMP HTMLImageElement::SetWidth(PRInt32 aWidth) {
  setIntAttribute(u"width", aWidth);
  return NS_OK;
}

}  // namespace geckohost::dom
