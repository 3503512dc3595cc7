#include "NSHtmlAreaElement.h"

#include <climits>
#include <memory>
#include <vector>

#include "HtmlStandardPropertyIds.h"
#include "NSPropertyReads.h"
#include "nsIDOMHTMLAreaElement.h"

namespace {

enum ReportLine : unsigned int { kLineGetProperty = 215 };

// Coordinates come from the page; sums and differences of them are formed in 64 bits and
// brought back into the int range.
int clamped(long long value) {
  return static_cast<int>(value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : value);
}

nsRect boxOf(long long x, long long y, long long width, long long height) {
  return nsRect(clamped(x), clamped(y), clamped(width), clamped(height));
}

bool isSeparator(PRUnichar c) {
  return c == ',' || c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// Reads an optionally signed decimal integer at `p`, clamped to the int range. False when
// there is no digit there.
bool readInteger(const PRUnichar*& p, const PRUnichar* end, int& value) {
  bool negative = false;
  const PRUnichar* start = p;
  if (p < end && (*p == '-' || *p == '+'))
    negative = *p++ == '-';
  long long number = 0;
  const PRUnichar* digits = p;
  for (; p < end && *p >= '0' && *p <= '9'; ++p) {
    if (number <= INT_MAX)
      number = number * 10 + (*p - '0');
  }
  if (p == digits) {
    p = start;
    return false;
  }
  if (negative)
    number = -number;
  value = clamped(number);
  return true;
}

// The crossing-number test: a ray from the point to the right crosses the polygon's edges an
// odd number of times exactly when the point is inside.
bool polygonContains(const int* xy, int count, int x, int y) {
  int points = count / 2;
  bool inside = false;
  for (int i = 0, j = points - 1; i < points; j = i++) {
    double xi = xy[2 * i], yi = xy[2 * i + 1];
    double xj = xy[2 * j], yj = xy[2 * j + 1];
    if ((yi > y) != (yj > y) && x < xi + (xj - xi) * (y - yi) / (yj - yi))
      inside = !inside;
  }
  return inside;
}

}  // namespace

bool CNSHtmlAreaElement::isArea(nsIDOMHTMLElement* element) {
  nsCOMPtr<nsIDOMHTMLAreaElement> typed = do_QueryInterface(element);
  return typed != nullptr;
}

IHtmlPropertyValue* CNSHtmlAreaElement::getProperty(unsigned int id) {
  if (id < PROP_offsetLeft || id > PROP_href)
    return CNSHtmlElement::getProperty(id);
  try {
    nsCOMPtr<nsIDOMHTMLAreaElement> area = do_QueryInterface(m_element);
    switch (id) {
      case PROP_offsetLeft:
        return new CNSHtmlPropertyValue(static_cast<int>(getOffsetRect().x));
      case PROP_offsetTop:
        return new CNSHtmlPropertyValue(static_cast<int>(getOffsetRect().y));
      case PROP_offsetWidth:
        return new CNSHtmlPropertyValue(static_cast<int>(getOffsetRect().width));
      case PROP_offsetHeight:
        return new CNSHtmlPropertyValue(static_cast<int>(getOffsetRect().height));
      case PROP_alt:
        return NSStringRead(area.get(), &nsIDOMHTMLAreaElement::GetAlt);
      case PROP_shape:
        return NSStringRead(area.get(), &nsIDOMHTMLAreaElement::GetShape);
      case PROP_coords:
        return NSStringRead(area.get(), &nsIDOMHTMLAreaElement::GetCoords);
      case PROP_href:
        return NSStringRead(area.get(), &nsIDOMHTMLAreaElement::GetHref);
      default:
        return CNSHtmlElement::getProperty(id);
    }
  } catch (...) {
    reportException(kLineGetProperty);
  }
  return nullptr;
}

CNSHtmlAreaElement::Shape CNSHtmlAreaElement::getShape() {
  nsCOMPtr<nsIDOMHTMLAreaElement> area = do_QueryInterface(m_element);
  nsString_external shape;
  if (!area || NS_FAILED(area->GetShape(shape)))
    return SHAPE_DEFAULT;
  if (shape.LowerCaseEqualsLiteral("rect") || shape.LowerCaseEqualsLiteral("rectangle"))
    return SHAPE_RECT;
  if (shape.LowerCaseEqualsLiteral("circle") || shape.LowerCaseEqualsLiteral("circ"))
    return SHAPE_CIRCLE;
  if (shape.LowerCaseEqualsLiteral("poly") || shape.LowerCaseEqualsLiteral("polygon"))
    return SHAPE_POLYGON;
  return SHAPE_DEFAULT;
}

void CNSHtmlAreaElement::parseCoords(const nsString_external& coords, int*& values, int& count) {
  std::vector<int> found;
  const PRUnichar* p = coords.BeginReading();
  const PRUnichar* end = coords.EndReading();
  for (;;) {
    while (p < end && isSeparator(*p))
      ++p;
    int value = 0;
    if (p == end || !readInteger(p, end, value))
      break;
    found.push_back(value);
  }
  if (found.empty())
    return;
  values = new int[found.size()];
  for (size_t i = 0; i < found.size(); ++i)
    values[i] = found[i];
  count += static_cast<int>(found.size());
}

int* CNSHtmlAreaElement::readCoords(int& count) {
  count = 0;
  int* values = nullptr;
  nsCOMPtr<nsIDOMHTMLAreaElement> area = do_QueryInterface(m_element);
  nsString_external coords;
  if (area && NS_SUCCEEDED(area->GetCoords(coords)))
    parseCoords(coords, values, count);
  return values;
}

nsRect CNSHtmlAreaElement::getOffsetRect() {
  int count = 0;
  std::unique_ptr<int[]> owner(readCoords(count));
  const int* L = owner.get();
  Shape shape = getShape();
  if (shape == SHAPE_RECT) {
    return count >= 4 ? boxOf(L[0], L[1], 0LL + L[2] - L[0], 0LL + L[3] - L[1])
                      : nsRect(0, 0, 0, 0);
  }
  if (shape == SHAPE_CIRCLE) {
    if (count >= 3 && L[2] > 0)
      return boxOf(0LL + L[0] - L[2], 0LL + L[1] - L[2], 2LL * L[2], 2LL * L[2]);
    return nsRect(0, 0, 0, 0);
  }
  if (count < 2)
    return nsRect(0, 0, 0, 0);
  // The pairs after the first are taken in while their position is below count - 2, so the
  // last pair of the list does not widen the box.
  int minX = L[0], maxX = L[0], minY = L[1], maxY = L[1];
  for (int i = 2; i < count - 2; i += 2) {
    minX = L[i] < minX ? L[i] : minX;
    maxX = L[i] > maxX ? L[i] : maxX;
    minY = L[i + 1] < minY ? L[i + 1] : minY;
    maxY = L[i + 1] > maxY ? L[i + 1] : maxY;
  }
  return boxOf(minX, minY, 0LL + maxX - minX, 0LL + maxY - minY);
}

bool CNSHtmlAreaElement::containsOffset(int x, int y) {
  int count = 0;
  std::unique_ptr<int[]> owner(readCoords(count));
  const int* L = owner.get();
  Shape shape = getShape();
  if (shape == SHAPE_RECT || (shape == SHAPE_DEFAULT && count == 4)) {
    if (count < 4)
      return false;
    int left = L[0] < L[2] ? L[0] : L[2], right = L[0] < L[2] ? L[2] : L[0];
    int top = L[1] < L[3] ? L[1] : L[3], bottom = L[1] < L[3] ? L[3] : L[1];
    return left <= x && x <= right && top <= y && y <= bottom;
  }
  if (shape == SHAPE_CIRCLE) {
    if (count < 3 || L[2] <= 0)
      return false;
    const long long r = L[2];
    const long long dx = x - static_cast<long long>(L[0]), dy = y - static_cast<long long>(L[1]);
    // Outside the circle's box first: within it the squares stay below 2^63 (r < 2^31).
    if (dx < -r || dx > r || dy < -r || dy > r)
      return false;
    return dx * dx + dy * dy <= r * r;
  }
  if (count >= 6 && (shape == SHAPE_POLYGON || shape == SHAPE_DEFAULT))
    return polygonContains(L, count, x, y);
  return false;
}
