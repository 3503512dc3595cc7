// A FRAMESET element; it answers the width of the border between its frames.
#ifndef NATIVE_HTML_GECKO_NSHTMLFRAMESETELEMENT_H
#define NATIVE_HTML_GECKO_NSHTMLFRAMESETELEMENT_H

#include "NSHtmlElement.h"

// Occurrences of the UTF-16 unit `c` in `text`: ("1,2,3", ',') -> 2.
int countChar(nsString_external text, unsigned short c);

class CNSHtmlFrameSetElement final : public CNSHtmlElement {
 public:
  static bool isFrameSet(nsIDOMHTMLElement* element);

  explicit CNSHtmlFrameSetElement(nsCOMPtr<nsIDOMHTMLElement>& element) : CNSHtmlElement(element) {}

  using CNSHtmlElement::getProperty;
  IHtmlPropertyValue* getProperty(unsigned int id) override;

  // The gap between the first two adjacent frame children: horizontal when the frameset has
  // several columns, vertical when it has several rows. False when no adjacent pair exists.
  bool getFrameBorder(int& border);
};

#endif
