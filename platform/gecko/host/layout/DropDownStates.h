// Which drop-down selects of a page have their list open. The state outlives the boxes (which
// are rebuilt at every layout), so it lives with the document's layout; the windows side
// hears about every change through the listener and shows or hides the popup window.
#ifndef GECKOHOST_LAYOUT_DROPDOWNSTATES_H
#define GECKOHOST_LAYOUT_DROPDOWNSTATES_H

#include <functional>
#include <vector>

#include "dom/RefPtr.h"

namespace geckohost::dom {
class Element;
}

namespace geckohost::layout {

class DropDownStates {
 public:
  // Called after a select's list opened (true) or closed (false).
  using Listener = std::function<void(dom::Element& select, bool open)>;

  bool isOpen(const dom::Element& select) const;
  // Opens or closes the list; the listener hears only of real changes.
  void setOpen(dom::Element& select, bool open);
  void setListener(Listener listener) { mListener = std::move(listener); }

  // Closes the lists of selects for which `stillComboBox` answers false (they left the page,
  // lost their box, or became list boxes), telling the listener.
  void closeUnless(const std::function<bool(const dom::Element&)>& stillComboBox);

 private:
  std::vector<RefPtr<dom::Element>> mOpen;
  Listener mListener;
};

}  // namespace geckohost::layout

#endif
