// Moving widget-relative rectangles to the screen.
#ifndef NATIVE_HTML_GECKO_NSWIDGETUTILS_H
#define NATIVE_HTML_GECKO_NSWIDGETUTILS_H

#include "nsRect.h"

class nsIWidget;

// `out` = `rect` moved by the widget's offset from the screen origin (device pixels); width
// and height are copied. The numbers are taken as they stand: a caller with app units
// converts first. Widget at (100, 50): (10, 20, 30, 40) -> (110, 70, 30, 40).
void WidgetToScreen(nsIWidget* widget, nsRect rect, nsRect* out);
void WidgetToScreen(nsIWidget* widget, nsIntRect rect, nsIntRect* out);

// `coordinate` - `origin`, held to the int range: an agent's point far off the screen stays far
// off instead of wrapping round to the other side. (INT_MIN, 100) -> INT_MIN; (150, 100) -> 50.
int OffsetFromOrigin(int coordinate, int origin);

#endif
