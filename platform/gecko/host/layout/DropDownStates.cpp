#include "layout/DropDownStates.h"

#include <algorithm>

#include "dom/Element.h"

namespace geckohost::layout {

bool DropDownStates::isOpen(const dom::Element& select) const {
  return std::any_of(mOpen.begin(), mOpen.end(),
                     [&](const RefPtr<dom::Element>& open) { return open.get() == &select; });
}

void DropDownStates::setOpen(dom::Element& select, bool open) {
  if (isOpen(select) == open)
    return;
  if (open) {
    mOpen.push_back(&select);
  } else {
    mOpen.erase(std::remove_if(mOpen.begin(), mOpen.end(),
                               [&](const RefPtr<dom::Element>& e) { return e.get() == &select; }),
                mOpen.end());
  }
  if (mListener)
    mListener(select, open);
}

void DropDownStates::closeUnless(const std::function<bool(const dom::Element&)>& stillComboBox) {
  std::vector<RefPtr<dom::Element>> closing;
  for (const RefPtr<dom::Element>& select : mOpen) {
    if (!stillComboBox(*select))
      closing.push_back(select);
  }
  for (const RefPtr<dom::Element>& select : closing)
    setOpen(*select, false);
}

}  // namespace geckohost::layout
