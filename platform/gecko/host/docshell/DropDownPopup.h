// The popup window of an open drop-down list, made as Gecko makes it: the list frame's view P
// (a child of the page's root view, the frame as its client data) with one child view V that
// carries a top-level popup widget, an override-redirect X window at the list's rectangle on
// the screen. The product walks both ways:
//
//   select → combo frame → GetDropDown() → list frame → GetView() = P → P's first child V
//          → V's widget → GetNativeData(NS_NATIVE_WINDOW) = the popup's X window
//   widget → client data V → V's parent P → P's client data = list frame (QueryFrame 63)
//
// The presentation shell makes one when layout tells it a list opened and destroys it when
// the list closes or the shell goes; destroying takes the X window, widget and views along.
#ifndef GECKOHOST_DOCSHELL_DROPDOWNPOPUP_H
#define GECKOHOST_DOCSHELL_DROPDOWNPOPUP_H

#include "dom/RefPtr.h"
#include "nsCOMPtr.h"
#include "nsRect.h"

namespace geckohost {

class View;
class Widget;

namespace dom {
class Element;
}
namespace layout {
class DocumentLayout;
class DropDownListFrame;
}  // namespace layout

class DropDownPopup {
 public:
  // `deviceRect`: the list in device pixels from the origin of `pageWidget`, whose root view
  // is `rootView`; `appUnitsPerDevPixel` for the views' app units.
  DropDownPopup(dom::Element& select, layout::DropDownListFrame& list, View& rootView,
                Widget& pageWidget, const nsIntRect& deviceRect, int appUnitsPerDevPixel);
  ~DropDownPopup();
  DropDownPopup(const DropDownPopup&) = delete;
  DropDownPopup& operator=(const DropDownPopup&) = delete;

  dom::Element& select() const { return *mSelect; }
  Widget& widget() const { return *mWidget; }

  // Paints the options into the popup: their texts, the selected one highlighted.
  void paint(layout::DocumentLayout& layout);

 private:
  RefPtr<dom::Element> mSelect;
  layout::DropDownListFrame& mList;  // weak; the layout keeps it while the list is open
  View& mRootView;                   // weak; the page's view manager outlives its popups
  View* mListView;                   // weak; P, owned by mRootView
  nsCOMPtr<Widget> mWidget;
};

}  // namespace geckohost

#endif
