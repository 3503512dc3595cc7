#include "dom/HTMLTableElement.h"

#include "dom/ReflectionMacros.h"
#include "nsIDOMHTMLTableCaptionElement.h"
#include "nsIDOMHTMLTableSectionElement.h"

#include "dom/Document.h"
#include "dom/ElementList.h"
#include "dom/HTMLTableRowElement.h"
#include "dom/MutationBatch.h"

namespace geckohost::dom {

namespace {

void appendRowsOf(const Element& section, std::vector<Element*>& out) {
  for (Element* child = section.firstElementChild(); child; child = child->nextElementSibling()) {
    if (child->isHTML(u"tr"))
      out.push_back(child);
  }
}

}  // namespace

HTMLElement* HTMLTableElement::firstChildNamed(std::u16string_view localName) const {
  for (Element* child = firstElementChild(); child; child = child->nextElementSibling()) {
    if (child->isHTML(localName))
      return static_cast<HTMLElement*>(child);
  }
  return nullptr;
}

void HTMLTableElement::removeFirstChildNamed(std::u16string_view localName) {
  if (HTMLElement* child = firstChildNamed(localName))
    removeChild(*child);
}

RefPtr<ElementList> HTMLTableElement::tBodies() {
  return new ElementList(
      *this, [](const Element& element) { return element.isHTML(u"tbody"); },
      ElementList::Scope::Children);
}

std::vector<Element*> HTMLTableElement::collectRows() const {
  std::vector<Element*> rows;
  if (HTMLElement* head = tHead())
    appendRowsOf(*head, rows);
  for (Element* child = firstElementChild(); child; child = child->nextElementSibling()) {
    if (child->isHTML(u"tr"))
      rows.push_back(child);
    if (child->isHTML(u"tbody"))
      appendRowsOf(*child, rows);
  }
  if (HTMLElement* foot = tFoot())
    appendRowsOf(*foot, rows);
  return rows;
}

RefPtr<ElementList> HTMLTableElement::rows() {
  return new ElementList(*this, [](Node& root, std::vector<Element*>& out) {
    out = static_cast<HTMLTableElement&>(root).collectRows();
  });
}

RefPtr<HTMLElement> HTMLTableElement::makeChild(std::u16string_view localName) {
  Document* document = ownerDocument();
  if (!document)
    return nullptr;
  return static_cast<HTMLElement*>(
      document->createElementUnchecked(kHTMLNamespaceURI, u"", localName).get());
}

RefPtr<HTMLElement> HTMLTableElement::createCaption() {
  if (HTMLElement* existing = caption())
    return existing;
  RefPtr<HTMLElement> made = makeChild(u"caption");
  if (made)
    insertBefore(*made, firstChild());
  return made;
}

RefPtr<HTMLElement> HTMLTableElement::createTHead() {
  if (HTMLElement* existing = tHead())
    return existing;
  RefPtr<HTMLElement> made = makeChild(u"thead");
  if (!made)
    return nullptr;
  insertBefore(*made, placeForHead());
  return made;
}

RefPtr<HTMLElement> HTMLTableElement::createTFoot() {
  if (HTMLElement* existing = tFoot())
    return existing;
  RefPtr<HTMLElement> made = makeChild(u"tfoot");
  if (made)
    appendChild(*made);
  return made;
}

RefPtr<HTMLTableRowElement> HTMLTableElement::insertRow(int32_t index, DOMError& error) {
  std::vector<Element*> rows = collectRows();
  error = (index < -1 || index > int32_t(rows.size())) ? DOMError::IndexSize : DOMError::None;
  if (error != DOMError::None)
    return nullptr;
  RefPtr<HTMLElement> row = makeChild(u"tr");
  if (!row)
    return nullptr;
  MutationBatch batch(ownerDocument());
  if (index == -1 || index == int32_t(rows.size())) {
    Element* lastBody = nullptr;
    for (Element* child = firstElementChild(); child; child = child->nextElementSibling()) {
      if (child->isHTML(u"tbody"))
        lastBody = child;
    }
    if (lastBody && !rows.empty()) {
      lastBody->appendChild(*row);
    } else if (!rows.empty()) {
      rows.back()->parentNode()->appendChild(*row);
    } else {
      RefPtr<HTMLElement> body = makeChild(u"tbody");
      appendChild(*body);
      body->appendChild(*row);
    }
  } else {
    Element* before = rows[index];
    before->parentNode()->insertBefore(*row, before);
  }
  return static_cast<HTMLTableRowElement*>(row.get());
}

DOMError HTMLTableElement::deleteRow(int32_t index) {
  std::vector<Element*> rows = collectRows();
  if (index == -1)
    index = int32_t(rows.size()) - 1;
  if (index < 0 || index >= int32_t(rows.size()))
    return DOMError::IndexSize;
  return rows[index]->parentNode()->removeChild(*rows[index]);
}

// --- nsIDOMHTMLTableElement -------------------------------------------------------------------

void* HTMLTableElement::interfaceFor(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsIDOMHTMLTableElement)))
    return static_cast<nsIDOMHTMLTableElement*>(this);
  return HTMLElement::interfaceFor(iid);
}

// After the caption and column groups, before everything else.
Node* HTMLTableElement::placeForHead() const {
  Node* before = firstChild();
  while (before && before->isElement() &&
         (static_cast<Element*>(before)->isHTML(u"caption") ||
          static_cast<Element*>(before)->isHTML(u"colgroup"))) {
    before = before->nextSibling();
  }
  return before;
}

nsresult HTMLTableElement::replacePart(nsIDOMHTMLElement* part, std::u16string_view localName) {
  Node* node = fromDOM(part);
  if (part && !(node && node->isElement() && static_cast<Element*>(node)->isHTML(localName))) {
    return NS_ERROR_DOM_HIERARCHY_REQUEST_ERR;
  }
  MutationBatch batch(ownerDocument());
  removeFirstChildNamed(localName);
  if (!node)
    return NS_OK;
  if (localName == u"caption")
    return toNsresult(insertBefore(*node, firstChild()));
  if (localName == u"thead")
    return toNsresult(insertBefore(*node, placeForHead()));
  return toNsresult(appendChild(*node));
}

NS_IMETHODIMP HTMLTableElement::GetCaption(nsIDOMHTMLTableCaptionElement** aCaption) {
  return handOutAs(caption(), aCaption);
}

NS_IMETHODIMP HTMLTableElement::SetCaption(nsIDOMHTMLTableCaptionElement* aCaption) {
  return replacePart(aCaption, u"caption");
}

NS_IMETHODIMP HTMLTableElement::GetTHead(nsIDOMHTMLTableSectionElement** aTHead) {
  return handOutAs(tHead(), aTHead);
}

NS_IMETHODIMP HTMLTableElement::SetTHead(nsIDOMHTMLTableSectionElement* aTHead) {
  return replacePart(aTHead, u"thead");
}

NS_IMETHODIMP HTMLTableElement::GetTFoot(nsIDOMHTMLTableSectionElement** aTFoot) {
  return handOutAs(tFoot(), aTFoot);
}

NS_IMETHODIMP HTMLTableElement::SetTFoot(nsIDOMHTMLTableSectionElement* aTFoot) {
  return replacePart(aTFoot, u"tfoot");
}

NS_IMETHODIMP HTMLTableElement::GetRows(nsIDOMHTMLCollection** aRows) {
  RefPtr<ElementList> list = rows();
  return handOut(static_cast<nsIDOMHTMLCollection*>(list.get()), aRows);
}

NS_IMETHODIMP HTMLTableElement::GetTBodies(nsIDOMHTMLCollection** aTBodies) {
  RefPtr<ElementList> list = tBodies();
  return handOut(static_cast<nsIDOMHTMLCollection*>(list.get()), aTBodies);
}

GECKOHOST_IMPL_STRING_ATTR(HTMLTableElement, Align, "align")
GECKOHOST_IMPL_STRING_ATTR(HTMLTableElement, BgColor, "bgcolor")
GECKOHOST_IMPL_STRING_ATTR(HTMLTableElement, Border, "border")
GECKOHOST_IMPL_STRING_ATTR(HTMLTableElement, CellPadding, "cellpadding")
GECKOHOST_IMPL_STRING_ATTR(HTMLTableElement, CellSpacing, "cellspacing")
GECKOHOST_IMPL_STRING_ATTR(HTMLTableElement, Frame, "frame")
GECKOHOST_IMPL_STRING_ATTR(HTMLTableElement, Rules, "rules")
GECKOHOST_IMPL_STRING_ATTR(HTMLTableElement, Summary, "summary")
GECKOHOST_IMPL_STRING_ATTR(HTMLTableElement, Width, "width")

NS_IMETHODIMP HTMLTableElement::CreateTHead(nsIDOMHTMLElement** _retval) {
  RefPtr<HTMLElement> head = createTHead();
  return handOut(head ? head->asDOMHTMLElement() : nullptr, _retval);
}

NS_IMETHODIMP HTMLTableElement::DeleteTHead() {
  deleteTHead();
  return NS_OK;
}

NS_IMETHODIMP HTMLTableElement::CreateTFoot(nsIDOMHTMLElement** _retval) {
  RefPtr<HTMLElement> foot = createTFoot();
  return handOut(foot ? foot->asDOMHTMLElement() : nullptr, _retval);
}

NS_IMETHODIMP HTMLTableElement::DeleteTFoot() {
  deleteTFoot();
  return NS_OK;
}

NS_IMETHODIMP HTMLTableElement::CreateCaption(nsIDOMHTMLElement** _retval) {
  RefPtr<HTMLElement> made = createCaption();
  return handOut(made ? made->asDOMHTMLElement() : nullptr, _retval);
}

NS_IMETHODIMP HTMLTableElement::DeleteCaption() {
  deleteCaption();
  return NS_OK;
}

NS_IMETHODIMP HTMLTableElement::InsertRow(PRInt32 index, nsIDOMHTMLElement** _retval) {
  NS_ENSURE_ARG_POINTER(_retval);
  *_retval = nullptr;
  DOMError error;
  RefPtr<HTMLTableRowElement> row = insertRow(index, error);
  if (!row)
    return toNsresult(error);
  return handOut(row->asDOMHTMLElement(), _retval);
}

NS_IMETHODIMP HTMLTableElement::DeleteRow(PRInt32 index) {
  return toNsresult(deleteRow(index));
}

}  // namespace geckohost::dom
