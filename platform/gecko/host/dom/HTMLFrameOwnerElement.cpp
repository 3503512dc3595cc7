#include "dom/HTMLFrameOwnerElement.h"

#include "dom/Document.h"
#include "dom/DocumentContainer.h"

namespace geckohost::dom {

Document* HTMLFrameOwnerElement::contentDocument() const {
  Document* document = ownerDocument();
  DocumentContainer* container = document ? document->container() : nullptr;
  if (!container || !isInDocument())
    return nullptr;
  return container->contentDocumentFor(const_cast<HTMLFrameOwnerElement&>(*this));
}

}  // namespace geckohost::dom
