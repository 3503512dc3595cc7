#include "dom/HTMLScriptElement.h"

#include "dom/ReflectionMacros.h"

#include "dom/CharacterData.h"
#include "dom/Document.h"

namespace geckohost::dom {

// The script runs once the insertion is complete (the document runs queued scripts when the
// change ends), so it never sees, or changes, a tree half-way through an insertion.
void HTMLScriptElement::insertedIntoDocument() {
  Document* document = ownerDocument();
  if (!document || !document->container() || mAlreadyStarted)
    return;
  mAlreadyStarted = true;
  document->queueInsertedScript(*this);
}

std::u16string HTMLScriptElement::text() const {
  std::u16string text;
  for (Node* child = firstChild(); child; child = child->nextSibling()) {
    if (child->isText())
      text += static_cast<CharacterData*>(child)->data();
  }
  return text;
}

// --- nsIDOMHTMLScriptElement -----------------------------------------------------------

void* HTMLScriptElement::interfaceFor(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsIDOMHTMLScriptElement)))
    return static_cast<nsIDOMHTMLScriptElement*>(this);
  return HTMLElement::interfaceFor(iid);
}

NS_IMETHODIMP HTMLScriptElement::GetText(nsAString& aText) {
  setString(aText, text());
  return NS_OK;
}

NS_IMETHODIMP HTMLScriptElement::SetText(const nsAString& aText) {
  setText(toU16(aText));
  return NS_OK;
}

GECKOHOST_IMPL_STRING_ATTR(HTMLScriptElement, HtmlFor, "for")
GECKOHOST_IMPL_STRING_ATTR(HTMLScriptElement, Event, "event")
GECKOHOST_IMPL_STRING_ATTR(HTMLScriptElement, Charset, "charset")
GECKOHOST_IMPL_BOOL_ATTR(HTMLScriptElement, Defer, "defer")
GECKOHOST_IMPL_URI_ATTR(HTMLScriptElement, Src, "src")
GECKOHOST_IMPL_STRING_ATTR(HTMLScriptElement, Type, "type")

}  // namespace geckohost::dom
