// An IFRAME element: an inline frame with a document of its own.
#ifndef NATIVE_HTML_GECKO_NSHTMLIFRAMEELEMENT_H
#define NATIVE_HTML_GECKO_NSHTMLIFRAMEELEMENT_H

#include "NSHtmlFrameLikeElement.h"
#include "nsIDOMHTMLIFrameElement.h"

class CNSHtmlIFrameElement final : public CNSHtmlFrameLikeElement<nsIDOMHTMLIFrameElement> {
 public:
  static bool isFrame(nsIDOMHTMLElement* element) { return supports(element); }

  explicit CNSHtmlIFrameElement(nsCOMPtr<nsIDOMHTMLElement>& element)
      : CNSHtmlFrameLikeElement(element) {}
};

#endif
