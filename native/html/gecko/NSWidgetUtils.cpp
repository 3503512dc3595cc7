#include "NSWidgetUtils.h"

#include <climits>

#include "nsIWidget.h"

namespace {

template <class Rect>
void moveToScreen(nsIWidget* widget, const Rect& rect, Rect* out) {
  if (!out)
    return;
  *out = rect;
  if (!widget)
    return;
  nsIntPoint offset = widget->WidgetToScreenOffset();
  out->x = rect.x + offset.x;
  out->y = rect.y + offset.y;
}

}  // namespace

int OffsetFromOrigin(int coordinate, int origin) {
  long long offset = static_cast<long long>(coordinate) - origin;
  if (offset < INT_MIN)
    return INT_MIN;
  if (offset > INT_MAX)
    return INT_MAX;
  return static_cast<int>(offset);
}

void WidgetToScreen(nsIWidget* widget, nsRect rect, nsRect* out) {
  moveToScreen(widget, rect, out);
}

void WidgetToScreen(nsIWidget* widget, nsIntRect rect, nsIntRect* out) {
  moveToScreen(widget, rect, out);
}
