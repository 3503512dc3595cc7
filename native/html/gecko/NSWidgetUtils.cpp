#include "NSWidgetUtils.h"

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

void WidgetToScreen(nsIWidget* widget, nsRect rect, nsRect* out) {
  moveToScreen(widget, rect, out);
}

void WidgetToScreen(nsIWidget* widget, nsIntRect rect, nsIntRect* out) {
  moveToScreen(widget, rect, out);
}
