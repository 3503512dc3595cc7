// Which drop-down selects of a page have their list open. The state outlives the boxes (which
// are rebuilt at every layout), so it lives with the document's layout; the windows side
// hears about every change through the listener and shows or hides the popup window.
#ifndef GECKOHOST_LAYOUT_DROPDOWNSTATES_H
#define GECKOHOST_LAYOUT_DROPDOWNSTATES_H

#include <functional>
#include <memory>
#include <vector>

#include "dom/RefPtr.h"
#include "layout/DropDownListFrame.h"

namespace geckohost::dom {
class Element;
}

namespace geckohost::layout {

class DropDownStates {
 public:
  // Called after a select's list opened (true) or closed (false).
  using Listener = std::function<void(dom::Element& select, bool open)>;

  bool isOpen(const dom::Element& select) const;
  // The list frame of an open select, the same one for as long as it stays open; null when
  // the list is closed.
  DropDownListFrame* openList(const dom::Element& select) const;
  // Opens or closes the list of `box`'s select; the listener hears only of real changes, of
  // an opening once the open list's frame exists, of a closing before it goes.
  void setOpen(ComboboxBox& box, bool open);
  void close(dom::Element& select);
  void setListener(Listener listener) { mListener = std::move(listener); }
  // A combo box of a new layout takes over its select's open list; one that goes lets go.
  void adopt(ComboboxBox& box);
  void release(ComboboxBox& box);
  // Every select whose list is open.
  std::vector<dom::Element*> openSelects() const;

  // Closes the lists of selects for which `stillComboBox` answers false (they left the page,
  // lost their box, or became list boxes), telling the listener.
  void closeUnless(const std::function<bool(const dom::Element&)>& stillComboBox);

 private:
  struct OpenList {
    RefPtr<dom::Element> select;
    std::unique_ptr<DropDownListFrame> frame;
  };
  const OpenList* find(const dom::Element& select) const;

  std::vector<OpenList> mOpen;
  Listener mListener;
};

}  // namespace geckohost::layout

#endif
