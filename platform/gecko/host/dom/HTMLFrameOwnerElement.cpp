#include "dom/HTMLFrameOwnerElement.h"

#include "dom/Document.h"
#include "dom/DocumentContainer.h"
#include "dom/XPCOMHelpers.h"

namespace geckohost::dom {

Document* HTMLFrameOwnerElement::contentDocument() const {
  Document* document = ownerDocument();
  DocumentContainer* container = document ? document->container() : nullptr;
  if (!container || !isInDocument())
    return nullptr;
  return container->contentDocumentFor(const_cast<HTMLFrameOwnerElement&>(*this));
}

nsresult HTMLFrameOwnerElement::handOutContentDocument(nsIDOMDocument** aContentDocument) const {
  Document* document = contentDocument();
  return handOut(document ? document->asDOMDocument() : nullptr, aContentDocument);
}

}  // namespace geckohost::dom
