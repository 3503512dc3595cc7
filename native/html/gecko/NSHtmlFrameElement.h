// A FRAME element of a frameset page.
#ifndef NATIVE_HTML_GECKO_NSHTMLFRAMEELEMENT_H
#define NATIVE_HTML_GECKO_NSHTMLFRAMEELEMENT_H

#include "NSHtmlFrameLikeElement.h"
#include "nsIDOMHTMLFrameElement.h"

class CNSHtmlFrameElement final : public CNSHtmlFrameLikeElement<nsIDOMHTMLFrameElement> {
 public:
  static bool isFrame(nsIDOMHTMLElement* element) { return supports(element); }

  explicit CNSHtmlFrameElement(nsCOMPtr<nsIDOMHTMLElement>& element)
      : CNSHtmlFrameLikeElement(element) {}
};

#endif
