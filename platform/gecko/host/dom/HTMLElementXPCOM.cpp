// HTMLElement's XPCOM face: nsIDOMHTMLElement and nsIDOMNSHTMLElement.
#include "dom/DOMStrings.h"
#include "dom/HTMLElement.h"
#include "dom/HTMLFormElement.h"
#include "dom/ReflectionMacros.h"
#include "nsIDOMHTMLFormElement.h"

namespace geckohost::dom {

void* HTMLElement::interfaceFor(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsIDOMHTMLElement)))
    return asDOMHTMLElement();
  if (iid.Equals(NS_GET_IID(nsIDOMNSHTMLElement)))
    return static_cast<nsIDOMNSHTMLElement*>(this);
  return Element::interfaceFor(iid);
}

nsresult HTMLElement::handOutForm(nsIDOMHTMLFormElement** aForm) const {
  return handOutAs(formOwner(), aForm);
}

// --- nsIDOMHTMLElement ---------------------------------------------------------------------------

GECKOHOST_IMPL_STRING_ATTR(HTMLElement, Id, "id")
GECKOHOST_IMPL_STRING_ATTR(HTMLElement, Title, "title")
GECKOHOST_IMPL_STRING_ATTR(HTMLElement, Lang, "lang")
GECKOHOST_IMPL_STRING_ATTR(HTMLElement, Dir, "dir")
GECKOHOST_IMPL_STRING_ATTR(HTMLElement, ClassName, "class")

// --- nsIDOMNSHTMLElement -------------------------------------------------------------------------

NS_IMETHODIMP HTMLElement::GetOffsetTop(PRInt32* aOffsetTop) {
  NS_ENSURE_ARG_POINTER(aOffsetTop);
  *aOffsetTop = offsetBox().top;
  return NS_OK;
}

NS_IMETHODIMP HTMLElement::GetOffsetLeft(PRInt32* aOffsetLeft) {
  NS_ENSURE_ARG_POINTER(aOffsetLeft);
  *aOffsetLeft = offsetBox().left;
  return NS_OK;
}

NS_IMETHODIMP HTMLElement::GetOffsetWidth(PRInt32* aOffsetWidth) {
  NS_ENSURE_ARG_POINTER(aOffsetWidth);
  *aOffsetWidth = offsetBox().width;
  return NS_OK;
}

NS_IMETHODIMP HTMLElement::GetOffsetHeight(PRInt32* aOffsetHeight) {
  NS_ENSURE_ARG_POINTER(aOffsetHeight);
  *aOffsetHeight = offsetBox().height;
  return NS_OK;
}

NS_IMETHODIMP HTMLElement::GetOffsetParent(nsIDOMElement** aOffsetParent) {
  Element* parent = offsetBox().offsetParent;
  return handOut(parent ? parent->asDOMElement() : nullptr, aOffsetParent);
}

NS_IMETHODIMP HTMLElement::GetInnerHTML(nsAString& aInnerHTML) {
  setString(aInnerHTML, innerHTML());
  return NS_OK;
}

NS_IMETHODIMP HTMLElement::SetInnerHTML(const nsAString& aInnerHTML) {
  setInnerHTML(toU16(aInnerHTML));
  return NS_OK;
}

NS_IMETHODIMP HTMLElement::GetTabIndex(PRInt32* aTabIndex) {
  NS_ENSURE_ARG_POINTER(aTabIndex);
  *aTabIndex = tabIndex();
  return NS_OK;
}

NS_IMETHODIMP HTMLElement::SetTabIndex(PRInt32 aTabIndex) {
  setIntAttribute(u"tabindex", aTabIndex);
  return NS_OK;
}

// "true" or "false" as the attribute says, "inherit" without one (or with another value).
NS_IMETHODIMP HTMLElement::GetContentEditable(nsAString& aContentEditable) {
  setString(aContentEditable, enumAttribute(u"contenteditable", {u"true", u"false"}, u"inherit"));
  return NS_OK;
}

NS_IMETHODIMP HTMLElement::SetContentEditable(const nsAString& aContentEditable) {
  std::u16string value = asciiLowerCase(toU16(aContentEditable));
  if (value == u"inherit") {
    removeAttribute(u"contenteditable");
  } else if (value == u"true" || value == u"false") {
    setStringAttribute(u"contenteditable", value);
  } else {
    return NS_ERROR_DOM_SYNTAX_ERR;
  }
  return NS_OK;
}

// Images and links drag by default; anything else when draggable="true".
NS_IMETHODIMP HTMLElement::GetDraggable(PRBool* aDraggable) {
  NS_ENSURE_ARG_POINTER(aDraggable);
  const std::u16string* value = attributeValue(u"draggable");
  bool byDefault = isHTML(u"img") || (isHTML(u"a") && boolAttribute(u"href"));
  *aDraggable = toPRBool(value ? equalsIgnoringASCIICase(*value, u"true") : byDefault);
  return NS_OK;
}

NS_IMETHODIMP HTMLElement::SetDraggable(PRBool aDraggable) {
  setStringAttribute(u"draggable", aDraggable ? u"true" : u"false");
  return NS_OK;
}

NS_IMETHODIMP HTMLElement::Blur() {
  blur();
  return NS_OK;
}

NS_IMETHODIMP HTMLElement::Focus() {
  focus();
  return NS_OK;
}

NS_IMETHODIMP HTMLElement::ScrollIntoView(PRBool top) {
  scrollIntoView(top != PR_FALSE);
  return NS_OK;
}

// The nearest spellcheck attribute up the tree decides; text areas check by default.
NS_IMETHODIMP HTMLElement::GetSpellcheck(PRBool* aSpellcheck) {
  NS_ENSURE_ARG_POINTER(aSpellcheck);
  for (const Element* element = this; element; element = element->parentElement()) {
    if (const std::u16string* value = element->attributeValue(u"spellcheck")) {
      *aSpellcheck = toPRBool(!equalsIgnoringASCIICase(*value, u"false"));
      return NS_OK;
    }
  }
  *aSpellcheck = toPRBool(isHTML(u"textarea"));
  return NS_OK;
}

NS_IMETHODIMP HTMLElement::SetSpellcheck(PRBool aSpellcheck) {
  setStringAttribute(u"spellcheck", aSpellcheck ? u"true" : u"false");
  return NS_OK;
}

}  // namespace geckohost::dom
