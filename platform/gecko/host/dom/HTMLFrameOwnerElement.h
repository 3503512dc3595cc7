// Elements that show another document inside the page: frame, iframe and (for text/html
// content) object. The document itself belongs to a child shell, which the page's shell
// (the DocumentContainer) knows.
#ifndef GECKOHOST_DOM_HTMLFRAMEOWNERELEMENT_H
#define GECKOHOST_DOM_HTMLFRAMEOWNERELEMENT_H

#include "dom/HTMLElement.h"

namespace geckohost::dom {

class HTMLFrameOwnerElement : public HTMLElement {
 public:
  // The document shown for this element, or null when the page is not shown or the element
  // shows nothing (weak; the child shell owns it).
  Document* contentDocument() const;

 protected:
  // The content document as GetContentDocument hands it out (null without one).
  nsresult handOutContentDocument(nsIDOMDocument** aContentDocument) const;

  using HTMLElement::HTMLElement;
};

}  // namespace geckohost::dom

#endif
