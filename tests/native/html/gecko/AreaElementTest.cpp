// Image map areas: reading the coords attribute, and which offsets within the image lie inside
// each shape. The offsets an area reports are checked end to end; these are the parts the agent
// cannot reach.
#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "HostPage.h"
#include "LiveObjectsCheck.h"
#include "NSHtmlAreaElement.h"
#include "NSHtmlDocument.h"

namespace {

class AreaElementTest : public LiveObjectsCheck {
 protected:
  // The area object of <area id=a shape=`shape` coords=`coords`>.
  static CNSHtmlAreaElement* Area(HostPage& page) {
    nsCOMPtr<nsIDOMHTMLElement> element = page.element("a");
    return static_cast<CNSHtmlAreaElement*>(CNSHtmlDocument::create(element));
  }

  static std::string Page(const char* shape, const char* coords) {
    return std::string("<map name=m><area id=a shape='") + shape + "' coords='" + coords +
           "'></map>";
  }
};

std::vector<int> Parse(const char* coords) {
  int* values = nullptr;
  int count = 0;
  CNSHtmlAreaElement::parseCoords(nsString_external(NS_ConvertASCIItoUTF16(coords)), values, count);
  std::unique_ptr<int[]> owner(values);
  return std::vector<int>(values, values + count);
}

}  // namespace

TEST_F(AreaElementTest, CoordsAreIntegersSeparatedByCommasOrWhiteSpace) {
  EXPECT_EQ(Parse("1,2,3,4"), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(Parse(" 1 , 2\t3\n,,4 "), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(Parse("-5,+6"), (std::vector<int>{-5, 6}));
  // The first text that is not a number ends the list.
  EXPECT_EQ(Parse("1, 2 3,x,4"), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(Parse("7.5,8"), (std::vector<int>{7}));
  EXPECT_EQ(Parse("-,3"), (std::vector<int>{}));
  EXPECT_EQ(Parse(""), (std::vector<int>{}));
  // Numbers past the int range are held at its ends.
  EXPECT_EQ(Parse("99999999999999999999,-99999999999999999999"),
            (std::vector<int>{INT_MAX, INT_MIN}));
  // Nothing found: the out-parameters stay as they were.
  int* values = nullptr;
  int count = 3;
  CNSHtmlAreaElement::parseCoords(nsString_external(NS_ConvertASCIItoUTF16("none")), values, count);
  EXPECT_EQ(values, nullptr);
  EXPECT_EQ(count, 3);
}

TEST_F(AreaElementTest, ShapesAreReadIgnoringCase) {
  struct Case {
    const char* attribute;
    CNSHtmlAreaElement::Shape shape;
  };
  for (const Case& c : {Case{"rect", CNSHtmlAreaElement::SHAPE_RECT},
                        Case{"Rectangle", CNSHtmlAreaElement::SHAPE_RECT},
                        Case{"CIRCLE", CNSHtmlAreaElement::SHAPE_CIRCLE},
                        Case{"circ", CNSHtmlAreaElement::SHAPE_CIRCLE},
                        Case{"poly", CNSHtmlAreaElement::SHAPE_POLYGON},
                        Case{"Polygon", CNSHtmlAreaElement::SHAPE_POLYGON},
                        Case{"default", CNSHtmlAreaElement::SHAPE_DEFAULT},
                        Case{"square", CNSHtmlAreaElement::SHAPE_DEFAULT}}) {
    HostPage page(Page(c.attribute, "0,0,1,1"));
    CHtmlObjectPtr<CNSHtmlAreaElement> area = Area(page);
    EXPECT_EQ(area->getShape(), c.shape) << c.attribute;
  }
}

TEST_F(AreaElementTest, EachShapeContainsTheOffsetsInsideIt) {
  struct Probe {
    int x, y;
    bool inside;
  };
  struct Case {
    const char* shape;
    const char* coords;
    std::vector<Probe> probes;
  };
  const std::vector<Case> cases = {
      // Edges belong to the rectangle; corners may be given in either order.
      {"rect",
       "10,20,50,60",
       {{10, 20, true}, {50, 60, true}, {30, 40, true}, {9, 40, false}, {30, 61, false}}},
      {"rect", "50,60,10,20", {{30, 40, true}, {51, 40, false}}},
      {"rect", "10,20,50", {{30, 30, false}}},
      // A circle holds what is no farther from its centre than the radius.
      {"circle",
       "30,30,10",
       {{30, 30, true}, {40, 30, true}, {37, 37, true}, {38, 38, false}, {41, 30, false}}},
      {"circle", "30,30,0", {{30, 30, false}}},
      // A triangle, and a concave polygon whose notch is outside.
      {"poly", "0,0 40,0 20,30", {{20, 10, true}, {5, 20, false}, {20, 31, false}}},
      {"poly", "0,0 30,0 30,30 15,10 0,30", {{5, 5, true}, {15, 20, false}, {25, 20, true}}},
      {"poly", "0,0 40,0", {{10, 0, false}}},
      // The default shape: four numbers make a rectangle, six or more a polygon.
      {"", "0,0,10,10", {{5, 5, true}, {11, 5, false}}},
      {"", "0,0 20,0 0,20", {{2, 2, true}, {15, 15, false}}},
      {"", "1,2", {{1, 2, false}}},
  };
  for (const Case& c : cases) {
    HostPage page(Page(c.shape, c.coords));
    CHtmlObjectPtr<CNSHtmlAreaElement> area = Area(page);
    for (const Probe& probe : c.probes) {
      EXPECT_EQ(area->containsOffset(probe.x, probe.y), probe.inside)
          << c.shape << " " << c.coords << " at " << probe.x << "," << probe.y;
    }
  }
}

TEST_F(AreaElementTest, OffsetRectanglesStayInRangeForExtremeCoords) {
  HostPage page(Page("rect", "-2147483648,0,2147483647,10"));
  CHtmlObjectPtr<CNSHtmlAreaElement> area = Area(page);
  nsRect box = area->getOffsetRect();
  EXPECT_EQ(box.x, INT_MIN);
  EXPECT_EQ(box.width, INT_MAX);
  EXPECT_TRUE(area->containsOffset(0, 5));
  HostPage circle(Page("circle", "0,0,2147483647"));
  CHtmlObjectPtr<CNSHtmlAreaElement> round = Area(circle);
  EXPECT_EQ(round->getOffsetRect().width, INT_MAX);
  EXPECT_TRUE(round->containsOffset(1000, 1000));
  EXPECT_FALSE(round->containsOffset(INT_MIN, INT_MIN));
  // Offsets far from a circle's centre are outside it; their squared distance is not taken
  // (it would pass the 64-bit range; found by fuzz_area_coords).
  HostPage corner(Page("circle", "2147483647,-2147483648,5"));
  CHtmlObjectPtr<CNSHtmlAreaElement> small = Area(corner);
  EXPECT_FALSE(small->containsOffset(INT_MIN, INT_MAX));
  EXPECT_FALSE(small->containsOffset(0, 0));
  EXPECT_TRUE(small->containsOffset(INT_MAX - 3, INT_MIN + 4));
}
