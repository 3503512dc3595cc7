#include "DropDownPopup.h"

#include "View.h"
#include "Widget.h"
#include "XConnection.h"
#include "dom/Element.h"
#include "layout/DropDownListFrame.h"
#include "paint/DropDownPainter.h"

namespace geckohost {

namespace {

nsRect toAppUnits(const nsIntRect& rect, int appUnitsPerDevPixel) {
  return nsRect(rect.x * appUnitsPerDevPixel, rect.y * appUnitsPerDevPixel,
                rect.width * appUnitsPerDevPixel, rect.height * appUnitsPerDevPixel);
}

}  // namespace

DropDownPopup::DropDownPopup(dom::Element& select, layout::DropDownListFrame& list, View& rootView,
                             Widget& pageWidget, const nsIntRect& deviceRect,
                             int appUnitsPerDevPixel)
    : mSelect(&select), mList(list), mRootView(rootView) {
  nsIntRect screen = deviceRect;
  nsIntPoint origin = pageWidget.screenOffset();
  screen.MoveBy(origin.x, origin.y);
  mListView = &rootView.createChild(toAppUnits(deviceRect, appUnitsPerDevPixel));
  mListView->SetClientData(static_cast<nsIFrame*>(&list));
  View& content = mListView->createChild(
      toAppUnits(nsIntRect(0, 0, deviceRect.width, deviceRect.height), appUnitsPerDevPixel));
  mWidget = Widget::createPopup(pageWidget.connection(), screen);
  content.attachWidget(mWidget);
  list.setView(mListView);
}

DropDownPopup::~DropDownPopup() {
  mList.setView(nullptr);
  mWidget->destroy();
  mRootView.destroyChild(*mListView);  // V lets go of the widget
  mWidget->connection().sync();
}

void DropDownPopup::paint(layout::DocumentLayout& layout) {
  if (!mWidget->isDestroyed())
    paint::DropDownPainter::paintList(layout, *mSelect, mWidget->connection().display(),
                                      mWidget->nativeWindowId());
}

}  // namespace geckohost
