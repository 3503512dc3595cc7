// The coords attribute of an image map's AREA, as the product reads it for the area's offsets
// and for hit-testing within the image. Input: one byte choosing the shape attribute, eight
// bytes for an offset (x, y) to test, and the coords text (each byte one UTF-16 unit).
//
// Checks: the numbers read are those of the attribute's leading list; a rectangle's offsets
// are its corners; a circle contains its centre and nothing beyond its box; a polygon contains
// nothing outside the box of its points. No host object outlives the input.
#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "HostPage.h"
#include "LiveObjects.h"
#include "NSHtmlAreaElement.h"
#include "NSHtmlDocument.h"

namespace {

const char* const kShapes[] = {"rect",      "circle", "poly",    "default",
                               "RECTANGLE", "circ",   "Polygon", "star"};

struct Input {
  const char* shape;
  int x = 0;
  int y = 0;
  std::vector<PRUnichar> coords;
};

Input readInput(const uint8_t* data, size_t size) {
  Input input;
  input.shape = kShapes[size > 0 ? data[0] % 8 : 0];
  if (size >= 9) {
    memcpy(&input.x, data + 1, sizeof input.x);
    memcpy(&input.y, data + 5, sizeof input.y);
  }
  for (size_t i = size >= 9 ? 9 : size; i < size; ++i)
    input.coords.push_back(data[i]);
  return input;
}

bool isSeparator(PRUnichar c) {
  return c == ',' || c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}
bool isDigit(PRUnichar c) {
  return c >= '0' && c <= '9';
}

// "1, 2 3,x,4" -> 1 2 3: signed decimals between separators, up to the first that is none,
// held at the ends of the int range.
std::vector<int> expectedNumbers(const std::vector<PRUnichar>& text) {
  std::vector<int> numbers;
  size_t i = 0;
  for (;;) {
    while (i < text.size() && isSeparator(text[i]))
      ++i;
    const bool negative = i < text.size() && text[i] == '-';
    const size_t digits = i < text.size() && (text[i] == '-' || text[i] == '+') ? i + 1 : i;
    if (digits >= text.size() || !isDigit(text[digits]))
      return numbers;
    long long value = 0;
    for (i = digits; i < text.size() && isDigit(text[i]); ++i)
      value = value > INT_MAX ? value : value * 10 + (text[i] - '0');
    value = negative ? -value : value;
    numbers.push_back(value < INT_MIN   ? INT_MIN
                      : value > INT_MAX ? INT_MAX
                                        : static_cast<int>(value));
  }
}

std::vector<int> parsedNumbers(const nsString_external& coords) {
  int* values = nullptr;
  int count = 0;
  CNSHtmlAreaElement::parseCoords(coords, values, count);
  std::unique_ptr<int[]> owner(values);
  FUZZ_CHECK((count == 0) == (values == nullptr));
  return std::vector<int>(values, values + count);
}

bool inRange(long long low, long long value, long long high) {
  return low <= value && value <= high;
}

int clamped(long long value) {
  return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// The offsets of shape=rect are its first corner and the distance to the second.
void checkRectangleBox(CNSHtmlAreaElement& area, const std::vector<int>& n) {
  const nsRect box = area.getOffsetRect();
  if (n.size() < 4) {
    FUZZ_CHECK(box.x == 0 && box.y == 0 && box.width == 0 && box.height == 0);
    return;
  }
  FUZZ_CHECK(box.x == n[0] && box.y == n[1]);
  FUZZ_CHECK(box.width == clamped(0LL + n[2] - n[0]));
  FUZZ_CHECK(box.height == clamped(0LL + n[3] - n[1]));
}

void checkRectangle(CNSHtmlAreaElement& area, const std::vector<int>& n, int x, int y) {
  if (n.size() < 4) {
    FUZZ_CHECK(!area.containsOffset(x, y));
    return;
  }
  const bool inside = inRange(std::min(n[0], n[2]), x, std::max(n[0], n[2])) &&
                      inRange(std::min(n[1], n[3]), y, std::max(n[1], n[3]));
  FUZZ_CHECK(area.containsOffset(x, y) == inside);
}

void checkCircle(CNSHtmlAreaElement& area, const std::vector<int>& n, int x, int y) {
  if (n.size() < 3 || n[2] <= 0) {
    FUZZ_CHECK(!area.containsOffset(x, y));
    return;
  }
  FUZZ_CHECK(area.containsOffset(n[0], n[1]));
  if (area.containsOffset(x, y))
    FUZZ_CHECK(inRange(0LL + n[0] - n[2], x, 0LL + n[0] + n[2]) &&
               inRange(0LL + n[1] - n[2], y, 0LL + n[1] + n[2]));
}

void checkPolygon(CNSHtmlAreaElement& area, const std::vector<int>& n, int x, int y) {
  if (!area.containsOffset(x, y))
    return;
  FUZZ_CHECK(n.size() >= 6);
  int minX = n[0], maxX = n[0], minY = n[1], maxY = n[1];
  for (size_t i = 0; i + 1 < n.size(); i += 2) {
    minX = std::min(minX, n[i]);
    maxX = std::max(maxX, n[i]);
    minY = std::min(minY, n[i + 1]);
    maxY = std::max(maxY, n[i + 1]);
  }
  FUZZ_CHECK(inRange(minX, x, maxX) && inRange(minY, y, maxY));
}

void checkArea(const Input& input) {
  HostPage page("<map name=m><area id=a></map>");
  nsCOMPtr<nsIDOMHTMLElement> element = page.element("a");
  FUZZ_CHECK(element);
  nsString_external coords;
  coords.Assign(input.coords.data(), static_cast<PRUint32>(input.coords.size()));
  element->SetAttribute(NS_ConvertASCIItoUTF16("shape"), NS_ConvertASCIItoUTF16(input.shape));
  element->SetAttribute(NS_ConvertASCIItoUTF16("coords"), coords);

  const std::vector<int> numbers = parsedNumbers(coords);
  FUZZ_CHECK(numbers == expectedNumbers(input.coords));

  CHtmlObjectPtr<CNSHtmlAreaElement> area =
      static_cast<CNSHtmlAreaElement*>(CNSHtmlDocument::create(element));
  FUZZ_CHECK(area);
  switch (area->getShape()) {
    case CNSHtmlAreaElement::SHAPE_RECT:
      checkRectangleBox(*area, numbers);
      checkRectangle(*area, numbers, input.x, input.y);
      break;
    case CNSHtmlAreaElement::SHAPE_CIRCLE:
      checkCircle(*area, numbers, input.x, input.y);
      break;
    case CNSHtmlAreaElement::SHAPE_POLYGON:
      checkPolygon(*area, numbers, input.x, input.y);
      break;
    case CNSHtmlAreaElement::SHAPE_DEFAULT:
      if (numbers.size() == 4)
        checkRectangle(*area, numbers, input.x, input.y);
      else
        checkPolygon(*area, numbers, input.x, input.y);
      break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const long liveBefore = geckohost::LiveObjects::count();
  checkArea(readInput(data, size));
  FUZZ_CHECK(geckohost::LiveObjects::count() == liveBefore);
  return 0;
}
