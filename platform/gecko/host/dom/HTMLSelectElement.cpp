#include "dom/HTMLSelectElement.h"

#include "dom/OptionsCollection.h"
#include "dom/ReflectionMacros.h"

#include "dom/Document.h"
#include "dom/DocumentContainer.h"
#include "dom/ElementList.h"
#include "dom/HTMLOptionElement.h"
#include "dom/MutationBatch.h"

namespace geckohost::dom {

namespace {

bool isOption(const Node* node) {
  return node->isElement() && static_cast<const Element*>(node)->isHTML(u"option");
}

}  // namespace

std::vector<HTMLOptionElement*> HTMLSelectElement::currentOptions() const {
  std::vector<HTMLOptionElement*> options;
  for (Node* child = firstChild(); child; child = child->nextSibling()) {
    if (isOption(child)) {
      options.push_back(static_cast<HTMLOptionElement*>(child));
    } else if (child->isElement() && static_cast<Element*>(child)->isHTML(u"optgroup")) {
      for (Node* inner = child->firstChild(); inner; inner = inner->nextSibling()) {
        if (isOption(inner))
          options.push_back(static_cast<HTMLOptionElement*>(inner));
      }
    }
  }
  return options;
}

RefPtr<ElementList> HTMLSelectElement::options() {
  return new ElementList(*this, [](Node& root, std::vector<Element*>& out) {
    for (HTMLOptionElement* option : static_cast<HTMLSelectElement&>(root).currentOptions()) {
      out.push_back(option);
    }
  });
}

HTMLOptionElement* HTMLSelectElement::optionAt(uint32_t index) {
  std::vector<HTMLOptionElement*> options = currentOptions();
  return index < options.size() ? options[index] : nullptr;
}

void HTMLSelectElement::setLength(uint32_t length) {
  Document* document = ownerDocument();
  if (!document)
    return;
  MutationBatch batch(document);
  std::vector<HTMLOptionElement*> options = currentOptions();
  for (size_t count = options.size(); count > length; --count) {
    HTMLOptionElement* last = options[count - 1];
    last->parentNode()->removeChild(*last);
  }
  for (size_t count = options.size(); count < length; ++count) {
    appendChild(*document->createElementUnchecked(kHTMLNamespaceURI, u"", u"option"));
  }
}

int32_t HTMLSelectElement::selectedIndex() {
  ensureSelectionIsValid();
  std::vector<HTMLOptionElement*> options = currentOptions();
  for (size_t i = 0; i < options.size(); ++i) {
    if (options[i]->selectedState())
      return int32_t(i);
  }
  return -1;
}

void HTMLSelectElement::setSelectedIndex(int32_t index) {
  ensureSelectionIsValid();
  std::vector<HTMLOptionElement*> options = currentOptions();
  for (size_t i = 0; i < options.size(); ++i) {
    options[i]->mSelectedDirty = true;
    options[i]->setSelectedState(int32_t(i) == index);
  }
  if (index >= 0 && size_t(index) < options.size())
    showSelected(*options[size_t(index)]);
  notifyChanged();
}

std::u16string HTMLSelectElement::value() {
  int32_t index = selectedIndex();
  return index < 0 ? std::u16string() : optionAt(uint32_t(index))->value();
}

DOMError HTMLSelectElement::add(HTMLElement& element, HTMLElement* before) {
  if (before && before->parentNode() != this)
    return DOMError::NotFound;
  return insertBefore(element, before);
}

void HTMLSelectElement::remove(int32_t index) {
  if (index < 0)
    return;
  if (HTMLOptionElement* option = optionAt(uint32_t(index))) {
    option->parentNode()->removeChild(*option);
  }
}

void HTMLSelectElement::optionSelectednessChanged(HTMLOptionElement& option, bool selected) {
  if (selected && !multiple()) {
    for (HTMLOptionElement* other : currentOptions()) {
      if (other != &option)
        other->setSelectedState(false);
    }
  }
  if (selected)
    showSelected(option);
  else
    applySelectionRules();
}

void HTMLSelectElement::showSelected(HTMLOptionElement& option) {
  Document* document = ownerDocument();
  if (DocumentContainer* container = document ? document->container() : nullptr)
    container->optionSelected(*this, option);
}

void HTMLSelectElement::ensureSelectionIsValid() {
  if (mKnownGeneration == Node::treeGeneration())
    return;
  mKnownGeneration = Node::treeGeneration();
  std::vector<HTMLOptionElement*> options = currentOptions();
  if (options == mKnownOptions)
    return;
  mKnownOptions = std::move(options);
  applySelectionRules();
}

void HTMLSelectElement::applySelectionRules() {
  if (multiple())
    return;
  std::vector<HTMLOptionElement*> options = currentOptions();
  HTMLOptionElement* lastSelected = nullptr;
  for (HTMLOptionElement* option : options) {
    if (option->selectedState())
      lastSelected = option;
  }
  for (HTMLOptionElement* option : options)
    option->setSelectedState(option == lastSelected);
  if (lastSelected || !isDropDown())
    return;
  for (HTMLOptionElement* option : options) {
    if (!option->boolAttribute(u"disabled")) {
      option->setSelectedState(true);
      return;
    }
  }
}

void HTMLSelectElement::resetState() {
  for (HTMLOptionElement* option : currentOptions())
    option->resetState();
  applySelectionRules();
  notifyChanged();
}

void HTMLSelectElement::attributeChanged(std::u16string_view localName) {
  if (localName == u"multiple" || localName == u"size")
    applySelectionRules();
}

// --- nsIDOMHTMLSelectElement -----------------------------------------------------------

void* HTMLSelectElement::interfaceFor(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsIDOMHTMLSelectElement)))
    return static_cast<nsIDOMHTMLSelectElement*>(this);
  return HTMLElement::interfaceFor(iid);
}

NS_IMETHODIMP HTMLSelectElement::GetType(nsAString& aType) {
  setString(aType, type());
  return NS_OK;
}

NS_IMETHODIMP HTMLSelectElement::GetSelectedIndex(PRInt32* aSelectedIndex) {
  NS_ENSURE_ARG_POINTER(aSelectedIndex);
  *aSelectedIndex = selectedIndex();
  return NS_OK;
}

NS_IMETHODIMP HTMLSelectElement::SetSelectedIndex(PRInt32 aSelectedIndex) {
  setSelectedIndex(aSelectedIndex);
  return NS_OK;
}

NS_IMETHODIMP HTMLSelectElement::GetValue(nsAString& aValue) {
  setString(aValue, value());
  return NS_OK;
}

// Selects the first option with that value; none matching leaves the selection as it is.
NS_IMETHODIMP HTMLSelectElement::SetValue(const nsAString& aValue) {
  std::u16string wanted = toU16(aValue);
  std::vector<HTMLOptionElement*> options = currentOptions();
  for (size_t i = 0; i < options.size(); ++i) {
    if (options[i]->value() == wanted) {
      setSelectedIndex(int32_t(i));
      break;
    }
  }
  return NS_OK;
}

NS_IMETHODIMP HTMLSelectElement::GetLength(PRUint32* aLength) {
  NS_ENSURE_ARG_POINTER(aLength);
  *aLength = length();
  return NS_OK;
}

NS_IMETHODIMP HTMLSelectElement::SetLength(PRUint32 aLength) {
  setLength(aLength);
  return NS_OK;
}

NS_IMETHODIMP HTMLSelectElement::GetForm(nsIDOMHTMLFormElement** aForm) {
  return handOutForm(aForm);
}

NS_IMETHODIMP HTMLSelectElement::GetOptions(nsIDOMHTMLOptionsCollection** aOptions) {
  return handOut<nsIDOMHTMLOptionsCollection>(new OptionsCollection(*this), aOptions);
}

GECKOHOST_IMPL_BOOL_ATTR(HTMLSelectElement, Disabled, "disabled")
GECKOHOST_IMPL_BOOL_ATTR(HTMLSelectElement, Multiple, "multiple")
GECKOHOST_IMPL_STRING_ATTR(HTMLSelectElement, Name, "name")
GECKOHOST_IMPL_INT_ATTR(HTMLSelectElement, Size, "size", 0)

NS_IMETHODIMP HTMLSelectElement::GetTabIndex(PRInt32* aTabIndex) {
  return HTMLElement::GetTabIndex(aTabIndex);
}
NS_IMETHODIMP HTMLSelectElement::SetTabIndex(PRInt32 aTabIndex) {
  return HTMLElement::SetTabIndex(aTabIndex);
}

NS_IMETHODIMP HTMLSelectElement::Add(nsIDOMHTMLElement* element, nsIDOMHTMLElement* before) {
  Node* node = fromDOM(element);
  Node* reference = fromDOM(before);
  if (!node || !node->isElement() || !static_cast<Element*>(node)->isHTML()) {
    return NS_ERROR_DOM_HIERARCHY_REQUEST_ERR;
  }
  if (before && !reference)
    return NS_ERROR_DOM_NOT_FOUND_ERR;
  return toNsresult(add(static_cast<HTMLElement&>(*node), static_cast<HTMLElement*>(reference)));
}

NS_IMETHODIMP HTMLSelectElement::Remove(PRInt32 index) {
  remove(index);
  return NS_OK;
}

NS_IMETHODIMP HTMLSelectElement::Blur() {
  return HTMLElement::Blur();
}
NS_IMETHODIMP HTMLSelectElement::Focus() {
  return HTMLElement::Focus();
}

}  // namespace geckohost::dom
