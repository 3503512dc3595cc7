// An AREA element: one region of an image map. Its offsets are the bounding box of the region
// within the image, worked out from the coords attribute:
//
//   shape=rect   coords="10,20,50,60"   offsets (10, 20, 40, 40)
//   shape=circle coords="30,30,10"      offsets (20, 20, 20, 20)
//   shape=poly   coords="0,0 40,0 20,30 5,5"  pairs before the last: (0, 0, 40, 30)
//
// The area itself never contains a screen point: the image it belongs to does.
#ifndef NATIVE_HTML_GECKO_NSHTMLAREAELEMENT_H
#define NATIVE_HTML_GECKO_NSHTMLAREAELEMENT_H

#include "NSHtmlElement.h"

class CNSHtmlAreaElement final : public CNSHtmlElement {
 public:
  enum Shape { SHAPE_DEFAULT = 0, SHAPE_RECT = 1, SHAPE_CIRCLE = 2, SHAPE_POLYGON = 3 };

  // Whether the element supports nsIDOMHTMLAreaElement.
  static bool isArea(nsIDOMHTMLElement* element);

  explicit CNSHtmlAreaElement(nsCOMPtr<nsIDOMHTMLElement>& element) : CNSHtmlElement(element) {}

  using CNSHtmlElement::getProperty;
  IHtmlPropertyValue* getProperty(unsigned int id) override;
  bool isPointInObject(int, int) override { return false; }
  bool setProperty(const char*, IHtmlPropertyValue*) override { return false; }

  // The shape attribute ignoring case: "rect"/"rectangle", "circle"/"circ", "poly"/"polygon";
  // anything else, or no attribute, is the default shape.
  Shape getShape();
  // The bounding box of the region in the image's coordinates; all zero when the coords do not
  // describe the shape.
  nsRect getOffsetRect();
  // Whether an offset within the image lies inside the region.
  bool containsOffset(int x, int y);

  // The integers of a coords attribute, separated by commas or white space; the first text
  // that is not a number ends the list: "1, 2 3,x,4" -> 1 2 3. `values` becomes a new array
  // that the caller frees with delete[] (left alone when there are no numbers); `count` is
  // increased by the numbers found.
  static void parseCoords(const nsString_external& coords, int*& values, int& count);

 private:
  // The coords attribute's numbers; `count` of them.
  int* readCoords(int& count);
};

#endif
