#include "dom/HTMLMapElement.h"

#include "dom/ReflectionMacros.h"

#include "dom/ElementList.h"

namespace geckohost::dom {

RefPtr<ElementList> HTMLMapElement::areas() {
  return new ElementList(*this, [](const Element& element) { return element.isHTML(u"area"); });
}

// --- nsIDOMHTMLMapElement --------------------------------------------------------------

void* HTMLMapElement::interfaceFor(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsIDOMHTMLMapElement)))
    return static_cast<nsIDOMHTMLMapElement*>(this);
  return HTMLElement::interfaceFor(iid);
}

NS_IMETHODIMP HTMLMapElement::GetAreas(nsIDOMHTMLCollection** aAreas) {
  RefPtr<ElementList> list = areas();
  return handOut(static_cast<nsIDOMHTMLCollection*>(list.get()), aAreas);
}

GECKOHOST_IMPL_STRING_ATTR(HTMLMapElement, Name, "name")

}  // namespace geckohost::dom
