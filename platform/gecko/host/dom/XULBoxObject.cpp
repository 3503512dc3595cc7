#include "dom/XULBoxObject.h"

#include <cstring>

#include "dom/Document.h"
#include "dom/DocumentContainer.h"
#include "dom/XPCOMHelpers.h"
#include "nsMemory.h"

namespace geckohost::dom {

namespace {

std::u16string nameOf(const PRUnichar* name) {
  return name ? std::u16string(reinterpret_cast<const char16_t*>(name)) : std::u16string();
}

}  // namespace

XULBoxObject* XULBoxObject::forElement(Element& element) {
  if (!element.mBoxObject)
    element.mBoxObject = new XULBoxObject(element);
  return element.mBoxObject;
}

XULBoxObject::XULBoxObject(Element& element) : mElement(&element) {}

XULBoxObject::~XULBoxObject() {
  mElement->mBoxObject = nullptr;
}

nsIntRect XULBoxObject::screenRectOf(Element& element) {
  Document* document = element.ownerDocument();
  DocumentContainer* container = document ? document->container() : nullptr;
  return container ? container->xulBoxOnScreen(element) : nsIntRect();
}

nsresult XULBoxObject::handOutBox(Element* element, nsIDOMElement** aResult) {
  return handOut(element ? element->asDOMElement() : nullptr, aResult);
}

NS_IMETHODIMP XULBoxObject::GetElement(nsIDOMElement** aElement) {
  return handOutBox(mElement.get(), aElement);
}

// Position relative to the parent box.
NS_IMETHODIMP XULBoxObject::GetX(PRInt32* aX) {
  NS_ENSURE_ARG_POINTER(aX);
  Element* parent = mElement->parentElement();
  *aX = screenRectOf(*mElement).x - (parent ? screenRectOf(*parent).x : 0);
  return NS_OK;
}

NS_IMETHODIMP XULBoxObject::GetY(PRInt32* aY) {
  NS_ENSURE_ARG_POINTER(aY);
  Element* parent = mElement->parentElement();
  *aY = screenRectOf(*mElement).y - (parent ? screenRectOf(*parent).y : 0);
  return NS_OK;
}

NS_IMETHODIMP XULBoxObject::GetScreenX(PRInt32* aScreenX) {
  NS_ENSURE_ARG_POINTER(aScreenX);
  *aScreenX = screenRectOf(*mElement).x;
  return NS_OK;
}

NS_IMETHODIMP XULBoxObject::GetScreenY(PRInt32* aScreenY) {
  NS_ENSURE_ARG_POINTER(aScreenY);
  *aScreenY = screenRectOf(*mElement).y;
  return NS_OK;
}

NS_IMETHODIMP XULBoxObject::GetWidth(PRInt32* aWidth) {
  NS_ENSURE_ARG_POINTER(aWidth);
  *aWidth = screenRectOf(*mElement).width;
  return NS_OK;
}

NS_IMETHODIMP XULBoxObject::GetHeight(PRInt32* aHeight) {
  NS_ENSURE_ARG_POINTER(aHeight);
  *aHeight = screenRectOf(*mElement).height;
  return NS_OK;
}

NS_IMETHODIMP XULBoxObject::GetPropertyAsSupports(const PRUnichar* propertyName,
                                                  nsISupports** _retval) {
  auto found = mSupportsProperties.find(nameOf(propertyName));
  return handOut(found == mSupportsProperties.end() ? nullptr : found->second.get(), _retval);
}

NS_IMETHODIMP XULBoxObject::SetPropertyAsSupports(const PRUnichar* propertyName,
                                                  nsISupports* value) {
  NS_ENSURE_ARG_POINTER(propertyName);
  mSupportsProperties[nameOf(propertyName)] = value;
  return NS_OK;
}

NS_IMETHODIMP XULBoxObject::GetProperty(const PRUnichar* propertyName, PRUnichar** _retval) {
  NS_ENSURE_ARG_POINTER(_retval);
  *_retval = nullptr;
  auto found = mStringProperties.find(nameOf(propertyName));
  if (found == mStringProperties.end())
    return NS_OK;
  size_t bytes = (found->second.size() + 1) * sizeof(PRUnichar);
  *_retval = static_cast<PRUnichar*>(NS_Alloc(bytes));
  if (!*_retval)
    return NS_ERROR_OUT_OF_MEMORY;
  std::memcpy(*_retval, found->second.c_str(), bytes);
  return NS_OK;
}

NS_IMETHODIMP XULBoxObject::SetProperty(const PRUnichar* propertyName,
                                        const PRUnichar* propertyValue) {
  NS_ENSURE_ARG_POINTER(propertyName);
  mStringProperties[nameOf(propertyName)] = nameOf(propertyValue);
  return NS_OK;
}

NS_IMETHODIMP XULBoxObject::RemoveProperty(const PRUnichar* propertyName) {
  mStringProperties.erase(nameOf(propertyName));
  mSupportsProperties.erase(nameOf(propertyName));
  return NS_OK;
}

NS_IMETHODIMP XULBoxObject::GetParentBox(nsIDOMElement** aParentBox) {
  return handOutBox(mElement->parentElement(), aParentBox);
}

NS_IMETHODIMP XULBoxObject::GetFirstChild(nsIDOMElement** aFirstChild) {
  return handOutBox(mElement->firstElementChild(), aFirstChild);
}

NS_IMETHODIMP XULBoxObject::GetLastChild(nsIDOMElement** aLastChild) {
  return handOutBox(mElement->lastElementChild(), aLastChild);
}

NS_IMETHODIMP XULBoxObject::GetNextSibling(nsIDOMElement** aNextSibling) {
  return handOutBox(mElement->nextElementSibling(), aNextSibling);
}

NS_IMETHODIMP XULBoxObject::GetPreviousSibling(nsIDOMElement** aPreviousSibling) {
  return handOutBox(mElement->previousElementSibling(), aPreviousSibling);
}

}  // namespace geckohost::dom
