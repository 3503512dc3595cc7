#include "dom/XULElement.h"

#include "dom/Document.h"
#include "dom/ElementList.h"
#include "dom/Namespace.h"
#include "dom/ReflectionMacros.h"
#include "dom/XULBoxObject.h"

namespace geckohost::dom {

XULElement::XULElement(Document& document, std::u16string_view prefix,
                       std::u16string_view localName)
    : Element(document, kXULNamespaceURI, prefix, localName) {}

RefPtr<ElementList> XULElement::getElementsByAttribute(std::u16string_view name,
                                                       std::u16string_view value) {
  return ElementList::byAttribute(*this, u"", name, value);
}

void* XULElement::interfaceFor(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsIDOMXULElement)))
    return static_cast<nsIDOMXULElement*>(this);
  return Element::interfaceFor(iid);
}

// XUL's boolean attributes are "true" or absent.
#define GECKOHOST_IMPL_XUL_BOOL_ATTR(_method, _attr)           \
  NS_IMETHODIMP XULElement::Get##_method(PRBool* aValue) {     \
    NS_ENSURE_ARG_POINTER(aValue);                             \
    *aValue = toPRBool(stringAttribute(u"" _attr) == u"true"); \
    return NS_OK;                                              \
  }                                                            \
  NS_IMETHODIMP XULElement::Set##_method(PRBool aValue) {      \
    if (aValue) {                                              \
      setStringAttribute(u"" _attr, u"true");                  \
    } else {                                                   \
      removeAttributeNS(u"", u"" _attr);                       \
    }                                                          \
    return NS_OK;                                              \
  }

GECKOHOST_IMPL_STRING_ATTR(XULElement, Id, "id")
GECKOHOST_IMPL_STRING_ATTR(XULElement, ClassName, "class")
GECKOHOST_IMPL_STRING_ATTR(XULElement, Align, "align")
GECKOHOST_IMPL_STRING_ATTR(XULElement, Dir, "dir")
GECKOHOST_IMPL_STRING_ATTR(XULElement, Flex, "flex")
GECKOHOST_IMPL_STRING_ATTR(XULElement, FlexGroup, "flexgroup")
GECKOHOST_IMPL_STRING_ATTR(XULElement, Ordinal, "ordinal")
GECKOHOST_IMPL_STRING_ATTR(XULElement, Orient, "orient")
GECKOHOST_IMPL_STRING_ATTR(XULElement, Pack, "pack")
GECKOHOST_IMPL_XUL_BOOL_ATTR(Hidden, "hidden")
GECKOHOST_IMPL_XUL_BOOL_ATTR(Collapsed, "collapsed")
GECKOHOST_IMPL_STRING_ATTR(XULElement, Observes, "observes")
GECKOHOST_IMPL_STRING_ATTR(XULElement, Menu, "menu")
GECKOHOST_IMPL_STRING_ATTR(XULElement, ContextMenu, "contextmenu")
GECKOHOST_IMPL_STRING_ATTR(XULElement, Tooltip, "tooltip")
GECKOHOST_IMPL_STRING_ATTR(XULElement, Width, "width")
GECKOHOST_IMPL_STRING_ATTR(XULElement, Height, "height")
GECKOHOST_IMPL_STRING_ATTR(XULElement, MinWidth, "minwidth")
GECKOHOST_IMPL_STRING_ATTR(XULElement, MinHeight, "minheight")
GECKOHOST_IMPL_STRING_ATTR(XULElement, MaxWidth, "maxwidth")
GECKOHOST_IMPL_STRING_ATTR(XULElement, MaxHeight, "maxheight")
GECKOHOST_IMPL_STRING_ATTR(XULElement, Persist, "persist")
GECKOHOST_IMPL_STRING_ATTR(XULElement, Left, "left")
GECKOHOST_IMPL_STRING_ATTR(XULElement, Top, "top")
GECKOHOST_IMPL_STRING_ATTR(XULElement, Datasources, "datasources")
GECKOHOST_IMPL_STRING_ATTR(XULElement, Ref, "ref")
GECKOHOST_IMPL_STRING_ATTR(XULElement, TooltipText, "tooltiptext")
GECKOHOST_IMPL_STRING_ATTR(XULElement, StatusText, "statustext")
GECKOHOST_IMPL_XUL_BOOL_ATTR(AllowEvents, "allowevents")

// RDF templates and command controllers are not part of the host's chrome.
NS_IMETHODIMP XULElement::GetDatabase(nsIRDFCompositeDataSource** aDatabase) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP XULElement::GetBuilder(nsIXULTemplateBuilder** aBuilder) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP XULElement::GetResource(nsIRDFResource** aResource) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP XULElement::GetControllers(nsIControllers** aControllers) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP XULElement::GetBoxObject(nsIBoxObject** aBoxObject) {
  return handOut<nsIBoxObject>(XULBoxObject::forElement(*this), aBoxObject);
}

NS_IMETHODIMP XULElement::Focus() {
  if (Document* document = ownerDocument())
    document->setFocusedElement(this);
  return NS_OK;
}

NS_IMETHODIMP XULElement::Blur() {
  Document* document = ownerDocument();
  if (document && document->focusedElement() == this)
    document->setFocusedElement(nullptr);
  return NS_OK;
}

// Clicks and commands are events, and the host's DOM dispatches none.
NS_IMETHODIMP XULElement::Click() {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP XULElement::DoCommand() {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP XULElement::GetElementsByAttribute(const nsAString& name, const nsAString& value,
                                                 nsIDOMNodeList** _retval) {
  RefPtr<ElementList> list = getElementsByAttribute(toU16(name), toU16(value));
  return handOut(static_cast<nsIDOMNodeList*>(list.get()), _retval);
}

NS_IMETHODIMP XULElement::GetElementsByAttributeNS(const nsAString& namespaceURI,
                                                   const nsAString& name, const nsAString& value,
                                                   nsIDOMNodeList** _retval) {
  RefPtr<ElementList> list =
      ElementList::byAttribute(*this, toU16(namespaceURI), toU16(name), toU16(value));
  return handOut(static_cast<nsIDOMNodeList*>(list.get()), _retval);
}

}  // namespace geckohost::dom
